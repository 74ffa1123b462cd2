// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALCATEGORY_H
#define MATERIALCATEGORY_H

#include <QString>
#include <QStringList>

/*! The category of a building material, 0..12, or 13 for unknown. Names are translated in the
    context "MaterialCategory". */
class MaterialCategory {
public:
    enum Category {
        Coating = 0,
        PlasterAndMortar = 1,
        BuildingBrick = 2,
        NaturalStones = 3,
        Concrete = 4,
        Insulation = 5,
        BuildingBoards = 6,
        Timber = 7,
        NaturalMaterials = 8,
        Soil = 9,
        CladdingAndTiles = 10,
        FoilsAndWaterproofing = 11,
        Miscellaneous = 12,
        Unknown = 13
    };
    /*! Number of real categories (0..12), i.e. without Unknown. */
    static constexpr int Count = 13;

    /*! The unknown category. */
    MaterialCategory() = default;
    /*! Clamps: any value outside 0..12 (negative values too) becomes Unknown. */
    explicit MaterialCategory(int value);
    /*! Keeps the value as given, without clamping; for readers that must hand back what a file
        held. A value outside 0..12 still makes the material invalid. */
    static MaterialCategory fromRawValue(int value);

    int value() const { return m_value; }
    /*! True for 0..12. */
    bool isKnown() const { return m_value >= 0 && m_value < Count; }
    /*! Translated name; "Unknown" for anything outside 0..12. */
    QString name() const { return name(m_value); }

    /*! The 13 translated names of the categories 0..12 in value order (without "Unknown"). */
    static QStringList names();
    /*! Translated name of a value; "Unknown" for 13 and any other value outside 0..12. */
    static QString name(int value);
    /*! Value (0..12) whose translated name is \a name, or -1 if none. */
    static int fromName(const QString &name);

    bool operator==(const MaterialCategory &other) const { return m_value == other.m_value; }
    bool operator!=(const MaterialCategory &other) const { return m_value != other.m_value; }

private:
    int m_value = Unknown;
};

#endif // MATERIALCATEGORY_H
