#ifndef MATERIALTESTHELPERS_H
#define MATERIALTESTHELPERS_H

#include <QFile>
#include <QList>
#include <QString>

#include <string>
#include <vector>

#include "MaterialFile.h"
#include "ZMT_MessageHandler.h"

// Keeps every message instead of writing it, and makes itself current while it lives.
class CapturingHandler : public ZMT::MessageHandler {
public:
    struct Entry {
        int type;
        QString text;
        QString location;
    };
    std::vector<Entry> entries;

    CapturingHandler() { ZMT::setMessageHandler(this); }
    ~CapturingHandler() override { ZMT::restoreDefaultMessageHandler(); }

    void message(const std::string &text, int type, const std::string &location, int) override {
        entries.push_back({type, QString::fromStdString(text), QString::fromStdString(location)});
    }
    bool has(int type, const QString &part) const {
        for (const Entry &e : entries)
            if (e.type == type && e.text.contains(part))
                return true;
        return false;
    }
    int count(int type) const {
        int n = 0;
        for (const Entry &e : entries)
            n += e.type == type;
        return n;
    }
    QString all() const {
        QString s;
        for (const Entry &e : entries)
            s += QString::number(e.type) + ": " + e.text.trimmed() + "\n";
        return s;
    }
};

// A built-in file record with one name per language and the given product codes.
inline MaterialFile::Record fileRecord(int id, const QStringList &names, const QVector<int> &codes = {1},
                                       bool air = false) {
    MaterialFile::Record r;
    Material &m = r.material;
    m.materialId = id;
    m.category = MaterialCategory(MaterialCategory::Insulation);
    m.rho = 30 + id;
    m.lambda = 0.035;
    m.mu = 20;
    m.mu_min = 10;
    m.mu_max = 50;
    m.w_80 = 0.001;
    m.w_sat = 0.05;
    m.m_Aw = 0.0005;
    m.sd_value = 0.25;
    m.setFlags(air, false, true, false);
    m.productCodes = codes;
    for (const QString &name : names) {
        MaterialFile::Texts t;
        t.name = name;
        t.notes = name.isEmpty() ? QString() : "notes of " + name;
        t.dataSource = "source " + name;
        t.producer = "producer " + name;
        t.productName = "product " + name;
        r.texts.append(t);
    }
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

#endif // MATERIALTESTHELPERS_H
