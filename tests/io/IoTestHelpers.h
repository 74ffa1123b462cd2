// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IOTESTHELPERS_H
#define IOTESTHELPERS_H

#include <QFile>
#include <QStringList>

#include <algorithm>

#include "MaterialFile.h"
#include "ZMT_MessageHandler.h"

// Keeps every message as "type: text" instead of writing it, and is current while it lives.
class CapturingHandler : public ZMT::MessageHandler {
public:
    QStringList lines;
    CapturingHandler() { ZMT::setMessageHandler(this); }
    ~CapturingHandler() override { ZMT::restoreDefaultMessageHandler(); }
    void message(const std::string &text, int type, const std::string &, int) override {
        lines << QString::number(type) + ": " + QString::fromStdString(text);
    }
    bool has(int type, const QString &part) const {
        const QString prefix = QString::number(type) + ": ";
        return std::any_of(lines.begin(), lines.end(),
                           [&](const QString &l) { return l.startsWith(prefix) && l.contains(part); });
    }
    QString all() const { return lines.join('\n'); }
};

// A built-in file record with one name (and derived texts) per language.
inline MaterialFile::Record fileRecord(int id, const QStringList &names, const QVector<int> &codes = {1},
                                       bool air = false) {
    MaterialFile::Record r;
    r.material = Material("", MaterialCategory(MaterialCategory::Insulation), "", "", "", "", 30 + id, 0.035,
                          20, 0.001, 0.05, 0.0005, id);
    r.material.setFlags(air, false, true, false);
    r.material.productCodes = codes;
    for (const QString &name : names)
        r.texts.append({name, "source " + name, "producer " + name, "product " + name,
                        name.isEmpty() ? QString() : "notes of " + name});
    return r;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

#endif // IOTESTHELPERS_H
