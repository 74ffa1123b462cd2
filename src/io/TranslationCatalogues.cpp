// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationCatalogues.h"

#include <QCoreApplication>

#include "ZMT_MessageStream.h"

TranslationCatalogues::~TranslationCatalogues() {
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_appTranslator);
        QCoreApplication::removeTranslator(&m_qtTranslator);
    }
}

bool TranslationCatalogues::install(const QString &languageId, const QString &dir, ZMT::MessageStream *log) {
    const auto load = [&](QTranslator &translator, const QString &file) {
        const bool loaded = translator.load(file, dir);
        if (log)
            *log << file.toStdString() << (loaded ? " loaded" : " not found") << ZMT::endl;
        return loaded;
    };
    const bool qtLoaded = load(m_qtTranslator, QStringLiteral("qt_") + languageId);
    const bool appLoaded =
        load(m_appTranslator, QStringLiteral("%1_%2").arg(QStringLiteral("Tavo2"), languageId));
    if (!qtLoaded || !appLoaded)
        return false;
    QCoreApplication::installTranslator(&m_qtTranslator);
    QCoreApplication::installTranslator(&m_appTranslator);
    m_installed = true;
    return true;
}
