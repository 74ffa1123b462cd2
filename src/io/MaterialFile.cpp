// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QSaveFile>

#include "Blowfish.h"
#include "BoundedStreamRead.h"
#include "ZMT_MessageHandler.h"

const char *const MaterialFile::Identifier = "TAVO2";

namespace {

const char *const LogLocation = "MaterialList::read";

// The payload keeps the stream format of the program generation that introduced the files.
const QDataStream::Version PayloadStreamVersion = QDataStream::Qt_4_6;

// The smallest possible record with N languages: id, 5N empty strings, category, 6 doubles,
// 4 flags, an empty product code list, 3 doubles and the reserved int.
qint64 minimumRecordSize(int languageCount) {
    return 4 + qint64(languageCount) * 5 * 4 + 4 + 6 * 8 + 4 + 4 + 3 * 8 + 4;
}

void progress(const QString &text) {
    ZMT::postMessage(text.toStdString() + "\n", ZMT::MSG_PROGRESS, LogLocation);
}

void warning(const QString &text) {
    ZMT::postMessage(text.toStdString(), ZMT::MSG_WARNING, LogLocation);
}

void error(const QString &text) {
    ZMT::postMessage(text.toStdString(), ZMT::MSG_ERROR, LogLocation);
}

} // namespace

QByteArray MaterialFile::key() {
    return QByteArray("Gl\xE4"
                      "5r",
                      5);
}

bool MaterialFile::read(const QString &path, const QString &languageId, QList<Material> &materials) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        progress(QStringLiteral("Read file: ") + path);
        warning(QStringLiteral("Cannot open file!"));
        return false;
    }
    QDataStream in(&file);

    qint32 versionCode = 0;
    qint32 languageCount = 0;
    in >> versionCode >> languageCount;
    const qint64 version = qint64(versionCode) - VersionOffset;
    progress(QStringLiteral("Read file: %1 with version: %2").arg(path).arg(version));
    if (in.status() != QDataStream::Ok || version > CurrentVersion || version < 0) {
        warning(QStringLiteral("Material file version not valid."));
        return false;
    }
    if (version < OldestVersion) {
        warning(QStringLiteral("Material file version too old."));
        return false;
    }

    // Every language id takes at least its 4-byte length.
    if (languageCount < 1 || !BoundedStreamRead::fits(in, languageCount, 4)) {
        warning(QStringLiteral("Material file language list not valid."));
        return false;
    }
    QStringList languages;
    for (int i = 0; i < languageCount; ++i) {
        QString id;
        if (!BoundedStreamRead::readString(in, id)) {
            warning(QStringLiteral("Material file language list not valid."));
            return false;
        }
        languages.append(id);
    }
    const int englishIndex = languages.lastIndexOf(QStringLiteral("en"));
    const int selected = qMax(0, languages.indexOf(languageId));

    QString identifier;
    BoundedStreamRead::readString(in, identifier);
    if (identifier != QLatin1String(Identifier)) {
        warning(QStringLiteral("Material file not valid for this software.") +
                QStringLiteral(" Material file version is: '") + identifier + QStringLiteral("'.") +
                QStringLiteral(" Program version is: '") + QLatin1String(Identifier) + QStringLiteral("'."));
        return false;
    }

    qint32 length = 0;
    in >> length;
    QByteArray payload;
    if (in.status() != QDataStream::Ok || length <= 0 || length % Blowfish::BlockSize != 0 ||
        !BoundedStreamRead::readBytes(in, length, payload) || !Blowfish(key()).decrypt(payload)) {
        warning(QStringLiteral("Material data not valid (ECR 1)"));
        return false;
    }

    QBuffer buffer(&payload);
    buffer.open(QIODevice::ReadOnly);
    QDataStream data(&buffer);
    data.setVersion(PayloadStreamVersion);
    QString payloadIdentifier;
    BoundedStreamRead::readString(data, payloadIdentifier);
    if (payloadIdentifier != identifier) {
        error(QStringLiteral("Key mismatch in material file") + QStringLiteral("  Version is: '") +
              identifier + QStringLiteral("'.") + QStringLiteral("  Version necessary: '") +
              payloadIdentifier + QStringLiteral("'."));
        return false;
    }

    // Padding to whole cipher blocks leaves fewer than 9 bytes after the last record.
    int recordNumber = 0;
    while (BoundedStreamRead::bytesLeft(data) >= 9) {
        ++recordNumber;
        if (!BoundedStreamRead::fits(data, 1, minimumRecordSize(languageCount))) {
            data.setStatus(QDataStream::ReadPastEnd);
            break;
        }
        qint32 id = 0;
        data >> id;
        QString englishName;
        Texts texts;
        for (int i = 0; i < languageCount; ++i) {
            Texts t;
            BoundedStreamRead::readString(data, t.name);
            BoundedStreamRead::readString(data, t.dataSource);
            BoundedStreamRead::readString(data, t.producer);
            BoundedStreamRead::readString(data, t.productName);
            BoundedStreamRead::readString(data, t.notes);
            if (i == selected)
                texts = t;
            if (i == englishIndex)
                englishName = t.name;
        }
        qint32 category = 0;
        double rho = 0, lambda = 0, mu = 0, aw = 0, w80 = 0, wsat = 0;
        bool air = false, wood = false, woodBased = false, foil = false;
        qint32 codeCount = 0;
        data >> category >> rho >> lambda >> mu >> aw >> w80 >> wsat >> air >> wood >> woodBased >> foil >>
            codeCount;
        if (data.status() != QDataStream::Ok || codeCount < 0 ||
            !BoundedStreamRead::fits(data, codeCount, 4)) {
            data.setStatus(QDataStream::ReadCorruptData);
            break;
        }
        QVector<int> codes;
        for (int i = 0; i < codeCount; ++i) {
            qint32 code = 0;
            data >> code;
            codes.append(code);
        }
        double muMin = 0, muMax = 0, sd = 0;
        qint32 reserved = 0;
        data >> muMin >> muMax >> sd >> reserved;
        QDate measuring, sampling, production;
        if (version >= 6)
            data >> measuring >> sampling >> production;
        if (data.status() != QDataStream::Ok)
            break;

        if (air || !codes.contains(ProgramProductCode))
            continue;
        QString name = texts.name;
        if (name.isEmpty()) {
            if (englishIndex >= 0 && !englishName.isEmpty())
                name = englishName;
            else
                name = QCoreApplication::translate("MaterialList", "Unknown");
        }
        Material m(name, MaterialCategory(category), texts.notes, texts.productName, texts.producer,
                   texts.dataSource, rho, lambda, mu, w80, wsat, aw, id);
        // The files hold no colour; one derived from the id keeps it from run to run.
        m.color = Material::colorForId(id);
        m.setFlags(air, wood, woodBased, foil);
        m.productCodes = codes;
        m.mu_min = muMin;
        m.mu_max = muMax;
        m.sd_value = sd;
        m.measuringDate = measuring;
        m.samplingDate = sampling;
        m.productionDate = production;
        materials.append(m);
    }
    if (data.status() != QDataStream::Ok)
        warning(QStringLiteral("Material record %1 is damaged; the rest of the file is skipped.")
                    .arg(recordNumber));

    progress(QStringLiteral(" finished. %1 materials read.").arg(materials.size()));
    return data.status() == QDataStream::Ok;
}

QByteArray MaterialFile::encodePayload(const QString &identifier, int languageCount,
                                       const QVector<Record> &records, int version) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(PayloadStreamVersion);
    out << identifier;
    for (const Record &r : records) {
        const Material &m = r.material;
        out << qint32(m.materialId);
        for (int i = 0; i < languageCount; ++i) {
            const Texts t = r.texts.value(i);
            out << t.name << t.dataSource << t.producer << t.productName << t.notes;
        }
        out << qint32(m.category.value()) << m.rho << m.lambda << m.mu << m.m_Aw << m.w_80 << m.w_sat;
        out << m.isAir() << m.isWood() << m.isWoodBased() << m.isFoil();
        out << qint32(m.productCodes.size());
        for (int code : m.productCodes)
            out << qint32(code);
        out << m.mu_min << m.mu_max << m.sd_value << r.reserved;
        if (version >= 6)
            out << m.measuringDate << m.samplingDate << m.productionDate;
    }
    return bytes;
}

QByteArray MaterialFile::encodeFile(int version, const QStringList &languages, const QString &identifier,
                                    const QByteArray &plainPayload) {
    QByteArray payload = plainPayload;
    const int rest = payload.size() % Blowfish::BlockSize;
    if (rest != 0 || payload.isEmpty())
        payload.append(Blowfish::BlockSize - rest, '\0');
    Blowfish(key()).encrypt(payload);

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(version + VersionOffset) << qint32(languages.size());
    for (const QString &id : languages)
        out << id;
    out << identifier << qint32(payload.size());
    out.writeRawData(payload.constData(), payload.size());
    return bytes;
}

bool MaterialFile::write(const QString &path, const QStringList &languages, const QVector<Record> &records,
                         QString *errorMessage) {
    const QByteArray bytes =
        encodeFile(CurrentVersion, languages, QLatin1String(Identifier),
                   encodePayload(QLatin1String(Identifier), languages.size(), records, CurrentVersion));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Cannot write '%1': %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
