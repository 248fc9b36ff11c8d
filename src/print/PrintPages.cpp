// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PrintPages.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

#include "core/files/SafeFile.h"

namespace
{
constexpr qreal kBodyPoints = 8.0;
constexpr qreal kHeaderPoints = 9.5;
// A line of the table is this many times the font's height, so that rows stay apart without rules.
constexpr qreal kLineSpacing = 1.35;
constexpr qreal kMarginMillimetres = 12.0;
constexpr int kPdfResolution = 300;

enum class TLineKind { Titles, Row, Gap, SettingsTitle, Setting };

struct TLine {
    TLineKind Kind;
    int Index = 0;
};
using TPage = std::vector<TLine>;

// The body lines of every page: the table with its column titles at the top of each page it reaches, then,
// after a gap, the settings.
std::vector<TPage> Paginate(const TPrintout& printout, int linesPerPage)
{
    std::vector<TPage> pages(1);
    const auto add = [&pages, linesPerPage](TLine line) {
        if (static_cast<int>(pages.back().size()) >= linesPerPage)
            pages.emplace_back();
        if (pages.back().empty() && line.Kind == TLineKind::Gap)
            return;
        if (pages.back().empty() && line.Kind == TLineKind::Row)
            pages.back().push_back({TLineKind::Titles});
        pages.back().push_back(line);
    };
    if (printout.Rows.empty())
        add({TLineKind::Titles});
    for (int i = 0; i < static_cast<int>(printout.Rows.size()); ++i)
        add({TLineKind::Row, i});
    if (printout.SettingsLines.empty())
        return pages;
    add({TLineKind::Gap});
    add({TLineKind::SettingsTitle});
    for (int i = 0; i < static_cast<int>(printout.SettingsLines.size()); ++i)
        add({TLineKind::Setting, i});
    return pages;
}

class TPagePainter
{
  public:
    TPagePainter(const TPrintout& printout, QPainter& painter, const QPagedPaintDevice& device)
        : Printout(printout), Painter(painter), Page(0, 0, device.width(), device.height()),
          Body(QStringLiteral("Sans Serif"))
    {
        // Without ligatures a PDF reader finds "Off" as typed, not as "O" and the ligature of "ff".
        Body.setStyleStrategy(QFont::PreferNoShaping);
        Body.setPointSizeF(kBodyPoints);
        Bold = Body;
        Bold.setBold(true);
        Header = Bold;
        Header.setPointSizeF(kHeaderPoints);
        Line = QFontMetricsF(Body, &device).height() * kLineSpacing;
        HeaderHeight = QFontMetricsF(Header, &device).height() * 2;
        ColumnLefts = ColumnEdges(device);
    }

    int LinesPerPage() const { return std::max(2, static_cast<int>((Page.height() - HeaderHeight - Line) / Line)); }

    void PaintPage(const TPage& lines, int page, int pages)
    {
        Painter.setFont(Header);
        Painter.drawText(QRectF(0, 0, Page.width(), HeaderHeight / 2), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(Printout.Header));
        Painter.drawLine(QPointF(0, HeaderHeight * 0.6), QPointF(Page.width(), HeaderHeight * 0.6));
        qreal top = HeaderHeight;
        for (const TLine& line : lines) {
            PaintLine(line, top);
            top += Line;
        }
        Painter.setFont(Body);
        Painter.drawText(QRectF(0, Page.height() - Line, Page.width(), Line), Qt::AlignCenter,
                         QString::fromStdString(PageNumberText(Printout, page, pages)));
    }

  private:
    // Each column gets what its title and its widest cell need; room to spare is shared out as the channel
    // table's widths share it, and a page too narrow for all narrows every column alike.
    std::vector<qreal> ColumnEdges(const QPagedPaintDevice& device) const
    {
        const QFontMetricsF titles(Bold, &device);
        const QFontMetricsF cells(Body, &device);
        const qreal pad = cells.averageCharWidth() * 2;
        std::vector<qreal> needed;
        qreal sum = 0;
        qreal shares = 0;
        for (size_t c = 0; c < Printout.Columns.size(); ++c) {
            qreal width = titles.horizontalAdvance(QString::fromStdString(Printout.Columns[c].Title));
            for (const auto& row : Printout.Rows)
                if (c < row.size())
                    width = std::max(width, cells.horizontalAdvance(QString::fromStdString(row[c])));
            needed.push_back(width + pad);
            sum += width + pad;
            shares += std::max(Printout.Columns[c].Width, 1);
        }
        const qreal spare = std::max<qreal>(0, Page.width() - sum);
        const qreal narrowing = sum > Page.width() ? Page.width() / sum : 1;
        std::vector<qreal> edges{0};
        for (size_t c = 0; c < needed.size(); ++c)
            edges.push_back(edges.back() + needed[c] * narrowing +
                            spare * std::max(Printout.Columns[c].Width, 1) / shares);
        return edges;
    }

    void PaintCells(const std::vector<std::string>& cells, qreal top)
    {
        const QFontMetricsF metrics(Painter.font(), Painter.device());
        const qreal pad = metrics.averageCharWidth() / 2;
        for (size_t c = 0; c < cells.size() && c + 1 < ColumnLefts.size(); ++c) {
            const QRectF cell(ColumnLefts[c] + pad, top, ColumnLefts[c + 1] - ColumnLefts[c] - 2 * pad, Line);
            const QString text = metrics.elidedText(QString::fromStdString(cells[c]), Qt::ElideRight, cell.width());
            Painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }

    void PaintText(const std::string& text, qreal top)
    {
        const QFontMetricsF metrics(Painter.font(), Painter.device());
        Painter.drawText(QRectF(0, top, Page.width(), Line), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(QString::fromStdString(text), Qt::ElideRight, Page.width()));
    }

    void PaintLine(const TLine& line, qreal top)
    {
        switch (line.Kind) {
        case TLineKind::Titles: {
            Painter.setFont(Bold);
            std::vector<std::string> titles;
            for (const TPrintColumn& column : Printout.Columns)
                titles.push_back(column.Title);
            PaintCells(titles, top);
            Painter.drawLine(QPointF(0, top + Line), QPointF(Page.width(), top + Line));
            break;
        }
        case TLineKind::Row:
            Painter.setFont(Body);
            PaintCells(Printout.Rows[static_cast<size_t>(line.Index)], top);
            break;
        case TLineKind::Gap:
            break;
        case TLineKind::SettingsTitle:
            Painter.setFont(Bold);
            PaintText(Printout.SettingsTitle, top);
            break;
        case TLineKind::Setting:
            Painter.setFont(Body);
            PaintText(Printout.SettingsLines[static_cast<size_t>(line.Index)], top);
            break;
        }
    }

    const TPrintout& Printout;
    QPainter& Painter;
    QRectF Page;
    QFont Body;
    QFont Bold;
    QFont Header;
    qreal Line = 0;
    qreal HeaderHeight = 0;
    std::vector<qreal> ColumnLefts;
};
} // namespace

TPrintout PrintoutOf(const TAppState& all, const QString& dataFilePath)
{
    const QString name = dataFilePath.isEmpty() ? QString() : QFileInfo(dataFilePath).fileName();
    const QString date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    return BuildPrintout(all, name.toStdString(), date.toStdString());
}

void PrepareDevice(QPagedPaintDevice& device)
{
    device.setPageOrientation(QPageLayout::Landscape);
    device.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                          QPageLayout::Millimeter);
}

bool PaintPrintout(const TPrintout& printout, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    TPagePainter pages(printout, painter, device);
    const std::vector<TPage> planned = Paginate(printout, pages.LinesPerPage());
    const int count = static_cast<int>(planned.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        pages.PaintPage(planned[static_cast<size_t>(i)], i + 1, count);
    }
    return painter.end();
}

bool WritePdf(const TPrintout& printout, const QString& path, QString& error)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("QB-H52 Programmer"));
        writer.setTitle(QString::fromStdString(printout.Header));
        PrepareDevice(writer);
        // Painting into memory has no reason of its own to fail; what can fail is the file.
        if (!PaintPrintout(printout, writer)) {
            error.clear();
            return false;
        }
    }
    std::string reason;
    if (WriteFileSafely(path.toStdString(), pdf.data().constData(), static_cast<size_t>(pdf.data().size()), reason))
        return true;
    error = QString::fromStdString(reason);
    return false;
}
