// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIMATECONDITION_H
#define CLIMATECONDITION_H

/*! One boundary climate: air temperature, relative humidity and surface resistance of one side
    of the construction for one period, plus where the values came from (kind code and outside
    flag of the preset they were taken from). Plain value type. */
class ClimateCondition {
public:
    /*! Kind codes: where the values came from. */
    enum Kind {
        OutdoorPreset = 0, ///< taken from an outdoor preset
        IndoorPreset = 2,  ///< taken from an indoor preset
        NoPreset = 3       ///< came from no preset (reset value)
    };

    /*! A reset climate: temperature, humidity and resistance 0, kind NoPreset, outside. */
    ClimateCondition() = default;
    /*! \param temperature °C \param relativeHumidity % (0..100)
        \param surfaceResistance m²K/W */
    ClimateCondition(double temperature, double relativeHumidity, double surfaceResistance,
                     int kind = NoPreset, bool outside = true);

    /*! Back to the reset values. */
    void reset();

    /*! Temperature in °C. */
    double temperature() const { return m_temperature; }
    /*! Relative humidity in % (0..100). */
    double relativeHumidity() const { return m_relativeHumidity; }
    /*! Surface resistance in m²K/W (files store its reciprocal, the heat transfer coefficient). */
    double surfaceResistance() const { return m_surfaceResistance; }
    /*! Kind code, see Kind. */
    int kind() const { return m_kind; }
    /*! True for a climate from an outdoor preset (and for the reset value). */
    bool isOutside() const { return m_outside; }

    /*! The numeric setters refuse NaN and infinity: they return false and keep the old value. */
    bool setTemperature(double value);
    bool setRelativeHumidity(double value);
    bool setSurfaceResistance(double value);
    void setKind(int kind) { m_kind = kind; }
    void setOutside(bool outside) { m_outside = outside; }

    /*! True when temperature, humidity and surface resistance are all finite numbers. */
    bool isFinite() const;

    /*! Exact comparison of all five fields. */
    bool operator==(const ClimateCondition &other) const;
    bool operator!=(const ClimateCondition &other) const { return !(*this == other); }

private:
    double m_temperature = 0;
    double m_relativeHumidity = 0;
    double m_surfaceResistance = 0;
    int m_kind = NoPreset;
    bool m_outside = true;
};

#endif // CLIMATECONDITION_H
