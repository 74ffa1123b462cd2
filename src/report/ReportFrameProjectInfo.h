// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTFRAMEPROJECTINFO_H
#define REPORTFRAMEPROJECTINFO_H

#include <QCoreApplication>
#include <QImage>
#include <QSizeF>

#include "ReportFrameBase.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"

/*! Project, construction, user and company of the project information (only those given), the
    project description when wanted, and the user's logo beside them when it goes there. */
class ReportFrameProjectInfo : public ReportFrameBase {
    Q_DECLARE_TR_FUNCTIONS(ReportFrameProjectInfo)
public:
    explicit ReportFrameProjectInfo(Report &report);

    void update(QPaintDevice *device, double width) override;
    void print(QPainter &painter, const QRectF &rect) override;

    /*! The label/value table; no rows when the project information is empty. */
    const VaDar::Table &table() const { return m_table; }
    /*! The project description as printed (rich text); empty when it is not printed. */
    QString descriptionText() const { return m_description.text(); }

    /*! \a html set in \a format (ReportSettings::TextFormat); normal text for any other value. */
    static QString formatted(const QString &html, int format);

private:
    VaDar::Table m_table;
    VaDar::TextFrame m_description;
    double m_tableHeight = 0;
    double m_descriptionTop = 0;
    double m_descriptionWidth = 0;
    QImage m_logo;
    QSizeF m_logoSize;
};

#endif // REPORTFRAMEPROJECTINFO_H
