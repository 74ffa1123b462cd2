// SPDX-License-Identifier: GPL-3.0-or-later
// Project files of the first program generation ("*.tpj"): a "FileVersion" line, then a
// "DOCUMENT" block with the climates, the construction, surface resistances, period lengths,
// project texts and remarks. The program only reads them; it always saves project XML.

#include "Document.h"

#include <QCoreApplication>

#include <exception>

#include "LegacyTextStream.h"
#include "ZMT_Exception.h"

namespace {

QString translated(const char *text) {
    return QCoreApplication::translate("Document", text);
}

// Reads the document block of \a in into \a input and \a info. False with \a message set, or
// with an empty message when the data are broken in a way no keyword explains (such as ending
// too early).
bool readDocument(LegacyTextStream &in, InputData &input, ProjectInformation &info, QString &message) {
    message.clear();
    QString line;
    if (!in.readLine(line) || !in.takeVersionLine(line)) {
        message =
            QCoreApplication::translate("Document", "[Document::readOld]  Keyword 'FileVersion' missing!");
        return false;
    }
    // Whatever stands before the document block is of no interest.
    do {
        if (!in.readNonEmptyLine(line))
            return false;
    } while (line != QLatin1String("DOCUMENT"));
    if (!in.readNonEmptyLine(line))
        return false;
    if (line != QLatin1String("{")) {
        message = QCoreApplication::translate("Document", "Block start '{' missing!");
        return false;
    }

    AssessmentConditions &conditions = input.assessmentConditions();
    QString keyword, value;
    for (;;) {
        if (!in.readNonEmptyLine(line))
            return false;
        if (line == QLatin1String("}"))
            return true;
        LegacyTextStream::splitKeyword(line, keyword, value);

        // Blocks.
        const char *blockStartMissing = nullptr;
        if (keyword == QLatin1String("CLIMATE_LIST"))
            blockStartMissing = QT_TRANSLATE_NOOP("Document", "Block start '{' missing for climatelist!");
        else if (keyword == QLatin1String("STRUCTURE"))
            blockStartMissing = QT_TRANSLATE_NOOP("Document", "Block start '{' missing for wall data!");
        else if (keyword == QLatin1String("Remarks"))
            blockStartMissing = QT_TRANSLATE_NOOP("Document", "Block start '{' missing for remarks!");
        if (blockStartMissing) {
            if (!in.readNonEmptyLine(line))
                return false;
            if (line != QLatin1String("{")) {
                message = translated(blockStartMissing);
                return false;
            }
            if (keyword == QLatin1String("CLIMATE_LIST")) {
                if (!input.readClimateOld(in, message))
                    return false;
            } else if (keyword == QLatin1String("STRUCTURE")) {
                if (!input.readConstructionOld(in, message))
                    return false;
            } else {
                // A binary length and that many bytes of text, which is not kept. A length that is
                // negative or runs past the end of the file means the file is broken.
                qint32 length = 0;
                if (!in.readInt32(length) || !in.skip(length))
                    return false;
                // The rest of the text's line, then the end of the block.
                if (!in.readLine(line))
                    return false;
                if (line.isEmpty() && !in.readNonEmptyLine(line))
                    return false;
                if (line != QLatin1String("}"))
                    return false;
            }
            continue;
        }

        // Parameters: surface resistances and period lengths.
        const char *unit = nullptr;
        if (keyword == QLatin1String("RO_Left") || keyword == QLatin1String("RO_Right"))
            unit = "m2K/W";
        else if (keyword == QLatin1String("wintertime") || keyword == QLatin1String("summertime"))
            unit = "d";
        if (unit) {
            double v = 0;
            try {
                v = LegacyTextStream::parameterValue(keyword, value, unit);
            } catch (const ZMT::Exception &) {
                message =
                    QCoreApplication::translate("Document", "Error reading parameter '%1'!").arg(keyword);
                return false;
            }
            if (keyword == QLatin1String("RO_Left")) // the exterior side
                conditions.setValue(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter,
                                    false, v);
            else if (keyword == QLatin1String("RO_Right")) // the interior side
                conditions.setValue(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter,
                                    true, v);
            else if (keyword == QLatin1String("wintertime"))
                conditions.setCondensationTime(v);
            else
                conditions.setEvaporationTime(v);
            continue;
        }

        // Texts.
        if (keyword == QLatin1String("Project_name"))
            info.ProjectName = value;
        else if (keyword == QLatin1String("Construction"))
            info.ConstructionID = value;
        else if (keyword == QLatin1String("Consultant"))
            info.UserName = value;
        else if (keyword == QLatin1String("Project_work"))
            info.Description = value;
        else {
            message =
                QCoreApplication::translate("Document", "Invalid keyword '%1' in project file!").arg(line);
            return false;
        }
    }
}

} // namespace

bool Document::readOld(const QString &fileName, QString &errorMessage) {
    LegacyTextStream in;
    if (!in.readFile(fileName)) {
        errorMessage = QCoreApplication::translate("Document", "Error reading project file.\n") + fileName;
        return false;
    }
    return readOld(in, fileName, errorMessage);
}

bool Document::readOld(const QByteArray &data, const QString &fileName, QString &errorMessage) {
    LegacyTextStream in(data);
    return readOld(in, fileName, errorMessage);
}

bool Document::readOld(LegacyTextStream &in, const QString &fileName, QString &errorMessage) {
    const QString brokenFile =
        QCoreApplication::translate("Document", "Error reading project file.\n") + fileName;
    try {
        InputData input;
        ProjectInformation info = m_projectInformation;
        QString message;
        if (!readDocument(in, input, info, message)) {
            if (message.isEmpty())
                errorMessage = brokenFile;
            else
                errorMessage = QCoreApplication::translate(
                                   "Document", "[Document::readOld]  Error reading project file '%1'\n")
                                   .arg(fileName) +
                               message;
            return false;
        }
        // A fresh document, so nothing of an earlier calculation stays.
        Document read;
        read.m_inputData = input;
        read.m_projectInformation = info;
        *this = read;
        return true;
    } catch (const std::exception &) {
        errorMessage = brokenFile;
        return false;
    }
}
