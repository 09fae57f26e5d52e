#include "MaskPdf.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

#include "MaskTemplate.h"
#include "PdfSurface.h"

namespace zonalyst::plot {
namespace {

// Fine enough that a 100 mm bar is drawn to within a thousandth of a millimetre.
constexpr int kPdfDotsPerInch = 1200;

}  // namespace

std::string WriteMaskPdf(const MaskLayout& layout, const Paper& paper, const std::string& path) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return "could not write " + path + ": " + file.errorString().toStdString();
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setCreator(QStringLiteral("Zonalyst"));
    writer.setTitle(QStringLiteral("Couder mask template"));
    const QPageSize size(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter, QString::fromUtf8(paper.name),
                         QPageSize::FuzzyMatch);
    const QMarginsF margins(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm);
    if (!writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter))) {
      file.cancelWriting();
      return "could not lay out the pages of " + path;
    }
    PdfSurface surface(writer);
    bool ok = true;
    for (int row = 0; row < layout.rows && ok; ++row) {
      for (int column = 0; column < layout.columns && ok; ++column) {
        if (row > 0 || column > 0) ok = surface.newPage();
        if (ok) DrawMaskPage(surface, layout, row, column);
      }
    }
    if (!surface.finish() || !ok) {
      file.cancelWriting();
      return "could not write the pages of " + path;
    }
  }
  if (!file.commit()) return "could not write " + path + ": " + file.errorString().toStdString();
  return {};
}

}  // namespace zonalyst::plot
