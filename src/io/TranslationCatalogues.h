// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TRANSLATIONCATALOGUES_H
#define TRANSLATIONCATALOGUES_H

#include <QString>
#include <QTranslator>

namespace ZMT {
class MessageStream;
}

/*! The two catalogues a language other than English needs: Qt's own ("qt_" and the language)
    and the program's ("Tavo2_" and the language), both from the translations folder. The window
    program and the batch program install them the same way: both or neither, so the user never
    sees a half-translated program. Installed catalogues are removed again when this object goes. */
class TranslationCatalogues {
public:
    TranslationCatalogues() = default;
    TranslationCatalogues(const TranslationCatalogues &) = delete;
    TranslationCatalogues &operator=(const TranslationCatalogues &) = delete;
    ~TranslationCatalogues();

    /*! Loads both catalogues of \a languageId (lower case) from \a dir with the standard lookup
        (".qm" added) and installs them when both loaded. When \a log is given, each attempt is
        logged as the file name followed by " loaded" or " not found". Returns whether they were
        installed. */
    bool install(const QString &languageId, const QString &dir, ZMT::MessageStream *log = nullptr);
    bool isInstalled() const { return m_installed; }

private:
    QTranslator m_qtTranslator;
    QTranslator m_appTranslator;
    bool m_installed = false;
};

#endif // TRANSLATIONCATALOGUES_H
