// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTSETTINGS_H
#define REPORTSETTINGS_H

#include <QSet>
#include <QString>

#include "AssessmentSettings.h"

class QSettings;

/*! What the printed report shows and how: which of its frames are printed, page numbers, the
    user's logo, the final remarks, and the assessment settings its conclusions are judged with.
    Plain value type; the application settings keep one instance (group "ReportSettings") and
    the report preview edits it.

    Frame indices run from 0 (page header) to FrameCount - 1 (final remarks) in page order. */
class ReportSettings {
public:
    /*! Number of report frames. */
    static constexpr int FrameCount = 14;
    /*! Activation of a fresh installation: header, footer, project information, sketch,
        material data, climate data, water content diagram, conclusions and Glaser summary. */
    static const char *const DefaultActivatedFramesText;

    /*! How the project description is set: as normal text, as a heading of level 1 to 4 or in
        small print. */
    enum TextFormat {
        NormalText = 0,
        Heading1 = 1,
        Heading2,
        Heading3,
        Heading4,
        SmallText,
        TextFormatCount
    };

    /*! Where the user's logo is printed. */
    enum LogoPosition { NoUserLogo = 0, LogoInPageHeader = 1, LogoBesideProjectInformation = 2 };

    /*! The user's logo: an image file and its size on the page. */
    struct UserLogo {
        int m_position = NoUserLogo; ///< see LogoPosition
        QString m_path;              ///< image file
        bool m_widthSetting = true;  ///< m_size is a width (true) or a height (false)
        int m_size = 0;              ///< size in millimetres in that direction; 0 = natural size

        /*! Reads the four keys from the current group of \a store; the older key
            "CurrentUserLogoVisible" turns an unset position into "beside the project information".
            A position other than 0, 1 or 2 or a negative size falls back to the default. */
        void read(QSettings &store);
        void write(QSettings &store) const;

        bool operator==(const UserLogo &other) const;
        bool operator!=(const UserLogo &other) const { return !(*this == other); }
    };

    /*! The defaults of a fresh installation. */
    ReportSettings();

    bool isActivated(int frame) const { return m_activatedFrames.contains(frame); }
    void setActivated(int frame, bool on);

    /*! The stored form of the activated frames: "1 " or "0 " per frame index. */
    static QString framesToText(const QSet<int> &frames);
    /*! Applies a stored activation text to \a frames: for each index from 0 while tokens remain,
        a token that reads as a non-zero integer activates it and any other token deactivates it;
        indices beyond the last token keep their state. */
    static void applyFramesText(const QString &text, QSet<int> &frames);

    /*! Reads the keys of the group "ReportSettings" from the current group of \a store (the
        caller enters the group); absent keys give the defaults. */
    void read(QSettings &store);
    /*! Writes the keys into the current group of \a store. */
    void write(QSettings &store) const;

    bool operator==(const ReportSettings &other) const;
    bool operator!=(const ReportSettings &other) const { return !(*this == other); }

    QSet<int> m_activatedFrames;
    bool m_pageNumbersVisible = false;
    UserLogo m_userLogo;
    bool m_printDisclaimer = false;
    QString m_disclaimerText; ///< stored final remarks (rich text); the report prints the project's
    AssessmentSettings m_assessment;
    bool m_printRemarkProjectInformation = true; ///< print the project description

    // Not stored: the font of the report (an empty family is the application's font family) and
    // the format of the project description.
    QString m_fontFamily;
    int m_fontPointSize = 9;
    int m_remarkFormat = NormalText; ///< see TextFormat
};

#endif // REPORTSETTINGS_H
