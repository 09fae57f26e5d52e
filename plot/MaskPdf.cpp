#include "MaskPdf.h"

#include "MaskTemplate.h"
#include "PdfSurface.h"
#include "io/FileAccess.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>

#include <string_view>

namespace zonalyst::plot {
namespace {

// Fine enough that a 100 mm bar is drawn to within a thousandth of a millimetre.
constexpr int kPdfDotsPerInch = 1200;

// A PDF writer whose document, dropped unfinished when drawing stopped (memory ran out),
// goes without Qt's warning about a device still being painted on: PdfSurface leaves such
// a document without ending it.
class DroppableWriter final : public QPdfWriter {
 public:
  using QPdfWriter::QPdfWriter;
  ~DroppableWriter() override { painters = 0; }
};

}  // namespace

std::string WriteMaskPdf(const MaskLayout& layout, const Paper& paper, const std::string& path) {
  // The document is made in memory and written by the program's one file writer.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return io::WriteFailure(path, "the pages could not be laid out");
  {
    DroppableWriter writer(&buffer);
    writer.setResolution(kPdfDotsPerInch);
    writer.setCreator(QStringLiteral("Zonalyst"));
    writer.setTitle(QStringLiteral("Couder mask template"));
    const QPageSize size(QSizeF(paper.widthMm, paper.heightMm), QPageSize::Millimeter, QString::fromUtf8(paper.name),
                         QPageSize::FuzzyMatch);
    const QMarginsF margins(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm);
    if (!writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Millimeter))) {
      return io::WriteFailure(path, "the pages could not be laid out");
    }
    PdfSurface surface(writer);
    bool ok = true;
    for (int row = 0; row < layout.rows && ok; ++row) {
      for (int column = 0; column < layout.columns && ok; ++column) {
        if (row > 0 || column > 0) ok = surface.newPage();
        if (ok) DrawMaskPage(surface, layout, row, column);
      }
    }
    if (!surface.finish() || !ok) return io::WriteFailure(path, "the pages could not be drawn");
  }
  return io::ReplaceFileText(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace zonalyst::plot
