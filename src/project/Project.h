// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROJECT_H
#define PROJECT_H

#include <QObject>
#include <QString>

#include <memory>

#include "Document.h"

class QIODevice;

/*! The open project: its document, file name and modified flag.

    Every change of the project goes through setModified(): for input changes it checks the input
    data and recalculates before it tells the views through modified(). The views must check
    hasDocument() before they use document(). GUI thread only.

    The window program has one, instance(), which its start hands to the main window; tests may
    make their own. Programs without a window read a plain Document instead. */
class Project : public QObject {
    Q_OBJECT
public:
    /*! What changed; the argument of setModified() and modified(). */
    enum class ModificationType : int {
        InputData = 0,         ///< construction, widths, materials, climate, heat flow direction
        Display = 1,           ///< only a layer's colour or material name
        ProjectInformation = 2 ///< project information (texts)
    };
    Q_ENUM(ModificationType)

    explicit Project(QObject *parent = nullptr);

    /*! The project of the window program, created on first use. */
    static Project &instance();

    /*! Replaces any current document by a new default one and clears the file name. */
    void newDocument();
    /*! Destroys the current document; afterwards there is none. */
    void closeDocument();
    bool hasDocument() const { return m_document != nullptr; }
    /*! The current document, or nullptr when there is none. */
    Document *document() { return m_document.get(); }
    const Document *document() const { return m_document.get(); }
    /*! Copies a whole document into the current one (creating it when there is none). */
    void setDocument(const Document &document);

    /*! File name of the project; empty for a project never saved. */
    const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    /*! Sets the modified flag; for input changes first checks the input data and recalculates
        the results. Then emits modified(modType). */
    void setModified(ModificationType modType);
    bool isModified() const { return m_modified; }
    /*! Clears the modified flag (after saving, opening or creating); no signal. */
    void setUnmodified() { m_modified = false; }

    /*! Reads a project file into the current document (a new one when there is none), by the rules
        of Document::readFile(). On failure returns false with a message for the user in
        \a errorMessage and leaves the current document unchanged; the caller closes it. Does not
        recalculate. */
    bool read(const QString &fileName, QString &errorMessage);

    /*! Saves the current document as project XML. The file is replaced only when everything was
        written: any failure returns false and leaves an existing file as it was. */
    bool write(const QString &fileName) const;
    /*! Writes the project XML of the current document to an open device. Returns false when
        there is no document or the device reported a write error. */
    bool write(QIODevice &device) const;

signals:
    /*! Sent after every setModified(), after any recalculation. */
    void modified(Project::ModificationType modType);

private:
    QString m_fileName;
    std::unique_ptr<Document> m_document;
    bool m_modified = false;
};

#endif // PROJECT_H
