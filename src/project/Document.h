// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENT_H
#define DOCUMENT_H

#include "Calculation.h"
#include "CalculationResults.h"
#include "InputData.h"
#include "ProjectInformation.h"

class LegacyTextStream;
class QXmlStreamReader;
class QXmlStreamWriter;

/*! One open project: the input data, the calculation with the results of its last run and the
    project information. Value type; assigning copies all three parts. */
class Document {
public:
    /*! Project files larger than this are refused (real ones are a few kilobytes). */
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    /*! No layers, assessment type 2, reset results, default project information. */
    Document() = default;

    const InputData &inputData() const { return m_inputData; }
    InputData &inputData() { return m_inputData; }

    /*! Runs the Glaser calculation on the input data with the heat flow direction of the project
        information. The input data should have been checked (InputData::check()) first. */
    void calculate() { m_calculation.calculate(m_inputData, m_projectInformation.HeatFlowDirection); }
    /*! Checks the input data, then calculates: what every change of the input, and every file
        just read, needs before its results can be shown. */
    void recalculate();
    /*! The results of the last calculate(); a reset record before the first. Read by the views. */
    const CalculationResults &results() const { return m_calculation.results(); }

    const ProjectInformation &projectInformation() const { return m_projectInformation; }
    ProjectInformation &projectInformation() { return m_projectInformation; }
    void setProjectInformation(const ProjectInformation &info) { m_projectInformation = info; }

    /*! Reads a project file of either generation. Files with the extension "tpj" (any case) are
        first-generation projects; any other file is read as project XML, and when that fails and
        the extension is not "t2p", as a first-generation project. A file without layers, or
        larger than MaxFileSize, is refused. The file is read once, so it may be a pipe. On failure returns
       false with a message for the user in \a errorMessage and leaves the document unchanged. Does not
       calculate. */
    bool readFile(const QString &fileName, QString &errorMessage);

    /*! Reads a whole project file. The input data start afresh; the project information is
        overwritten only where the file has a value. Returns false with the reader's error string
        set when the file is not a project file or is broken; bad input values only set the error
        state of the input data. */
    bool readXML(QXmlStreamReader &reader);
    /*! Writes the whole project file: declaration, document type, root element, input data and
        project information, indented by 4 blanks, and ends the document. */
    void writeXML(QXmlStreamWriter &writer) const;

    /*! Reads a project file of the first program generation (defined in DocumentOld.cpp). The
        input data start afresh; the project information is overwritten only where the file has a
        value; the results are reset. On failure returns false with \a errorMessage set and leaves
        the document unchanged. */
    bool readOld(const QString &fileName, QString &errorMessage);
    /*! The same for a file already read into memory; \a fileName only names it in messages. */
    bool readOld(const QByteArray &data, const QString &fileName, QString &errorMessage);

private:
    bool readOld(LegacyTextStream &in, const QString &fileName, QString &errorMessage);

    InputData m_inputData;
    Calculation m_calculation; ///< holds the results of its last run
    ProjectInformation m_projectInformation;
};

#endif // DOCUMENT_H
