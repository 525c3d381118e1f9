#include "platform/grid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "platform/colours.h"
#include "platform/keys.h"
#include "platform/twips.h"

namespace plat {

namespace {

constexpr int kDefaultColWidthTwips = 960;
const QColor kFixedBack(192, 192, 192);
const QColor kLine(128, 128, 128);
const QColor kEmpty(128, 128, 128);

// The grid for assistive technology: a table whose value is the current cell's text and
// whose text is the whole content, row by row.
class GridAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit GridAccessible(Grid* g) : QAccessibleWidget(g, QAccessible::Table) {}
  Grid* grid() const { return static_cast<Grid*>(widget()); }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return grid()->text();
    if (t == QAccessible::Description) return grid()->cellName(grid()->row(), grid()->col());
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  // Read-only text: no selection, the caret at the start.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override {
    QString all = grid()->contentText();
    if (end < 0 || end > all.size()) end = int(all.size());
    start = std::clamp(start, 0, end);
    return all.mid(start, end - start);
  }
  int characterCount() const override { return int(grid()->contentText().size()); }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return QString();
  }
};

QAccessibleInterface* gridFactory(const QString&, QObject* o) {
  if (auto* g = qobject_cast<Grid*>(o)) return new GridAccessible(g);
  return nullptr;
}

}  // namespace

Grid::Grid(QWidget* parent) : QWidget(parent) {
  static bool factoryInstalled = false;
  if (!factoryInstalled) {
    QAccessible::installFactory(gridFactory);
    factoryInstalled = true;
  }
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resizeTables();
}

void Grid::resizeTables() {
  m_text.resize(size_t(m_rows));
  for (auto& r : m_text) r.resize(size_t(m_cols));
  m_colWidth.resize(size_t(m_cols), -1);
  m_colAlign.resize(size_t(m_cols), AlignLeft);
  m_fixedAlign.resize(size_t(m_cols), AlignLeft);
  m_rowHeight.resize(size_t(m_rows), -1);
  m_fixedRows = std::min(m_fixedRows, m_rows);
  m_fixedCols = std::min(m_fixedCols, m_cols);
  m_row = std::clamp(m_row, 0, std::max(0, m_rows - 1));
  m_col = std::clamp(m_col, 0, std::max(0, m_cols - 1));
  m_topRow = std::clamp(m_topRow, m_fixedRows, std::max(m_fixedRows, m_rows - 1));
  m_leftCol = std::clamp(m_leftCol, m_fixedCols, std::max(m_fixedCols, m_cols - 1));
  update();
}

void Grid::setRows(int n) {
  m_rows = std::max(0, n);
  resizeTables();
}

void Grid::setCols(int n) {
  m_cols = std::max(0, n);
  resizeTables();
}

void Grid::setFixedRows(int n) {
  m_fixedRows = std::clamp(n, 0, m_rows);
  resizeTables();
}

void Grid::setFixedCols(int n) {
  m_fixedCols = std::clamp(n, 0, m_cols);
  resizeTables();
}

// -- the current cell ------------------------------------------------------------------------

void Grid::setRow(int r) { setCurrentCell(r, m_col); }
void Grid::setCol(int c) { setCurrentCell(m_row, c); }

void Grid::setCurrentCell(int r, int c) {
  if (r < 0 || r >= m_rows || c < 0 || c >= m_cols) return;
  changeCurrent(r, c);
}

void Grid::changeCurrent(int r, int c) {
  if (r == m_row && c == m_col) return;
  m_row = r;
  m_col = c;
  update();
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent ev(this, text());
    QAccessible::updateAccessibility(&ev);
  }
  if (onRowColChange) onRowColChange();
}

// -- cells -------------------------------------------------------------------------------------

QString Grid::textMatrix(int r, int c) const {
  if (r < 0 || r >= m_rows || c < 0 || c >= m_cols) return QString();
  return m_text[size_t(r)][size_t(c)];
}

void Grid::setTextMatrix(int r, int c, const QString& t) {
  if (r < 0 || r >= m_rows || c < 0 || c >= m_cols) return;
  QString& cell = m_text[size_t(r)][size_t(c)];
  if (cell == t) return;
  cell = t;
  update();
}

QString Grid::contentText() const {
  QStringList lines;
  for (const auto& row : m_text) {
    QStringList cells;
    for (const QString& s : row) cells << s;
    lines << cells.join('\t');
  }
  return lines.join('\n');
}

QString Grid::cellName(int r, int c) const {
  const QString column = m_fixedRows > 0 ? textMatrix(0, c).trimmed() : QString();
  const QString row = m_fixedCols > 0 ? textMatrix(r, 0).trimmed() : QString();
  if (column.isEmpty() || row.isEmpty()) return QStringLiteral("Row %1, column %2").arg(r).arg(c);
  // The heading over the row headings says what they count ("Day").
  const QString rows = textMatrix(0, 0).trimmed();
  return column + ", " + (rows.isEmpty() ? row : rows + ' ' + row);
}

void Grid::nameCellEditor(QWidget* editor) const {
  const QString name = cellName(m_row, m_col);
  // The toolkit announces every name it is given to a listening screen reader, also the one
  // it had: only a new one is given.
  if (editor->accessibleName() != name) editor->setAccessibleName(name);
}

// -- layout ------------------------------------------------------------------------------------

int Grid::colWidth(int c) const {
  if (c < 0 || c >= m_cols) return 0;
  int w = m_colWidth[size_t(c)];
  return w < 0 ? kDefaultColWidthTwips : w;
}

void Grid::setColWidth(int c, int twips) {
  if (c < 0 || c >= m_cols) return;
  m_colWidth[size_t(c)] = std::max(0, twips);
  update();
}

int Grid::rowHeight(int r) const {
  if (r < 0 || r >= m_rows) return 0;
  int h = m_rowHeight[size_t(r)];
  if (h >= 0) return h;
  // Room for a line of the grid's font with two pixels above and below.
  return int(pixelsToTwips(fontMetrics().height() + 4));
}

void Grid::setRowHeight(int r, int twips) {
  if (r < 0 || r >= m_rows) return;
  m_rowHeight[size_t(r)] = std::max(0, twips);
  update();
}

int Grid::colAlignment(int c) const { return c >= 0 && c < m_cols ? m_colAlign[size_t(c)] : AlignLeft; }
void Grid::setColAlignment(int c, int a) {
  if (c < 0 || c >= m_cols) return;
  m_colAlign[size_t(c)] = std::clamp(a, 0, 2);
  update();
}

int Grid::fixedAlignment(int c) const { return c >= 0 && c < m_cols ? m_fixedAlign[size_t(c)] : AlignLeft; }
void Grid::setFixedAlignment(int c, int a) {
  if (c < 0 || c >= m_cols) return;
  m_fixedAlign[size_t(c)] = std::clamp(a, 0, 2);
  update();
}

int Grid::colPx(int c) const { return std::max(0, twipsToPixels(colWidth(c))); }
int Grid::rowPx(int r) const { return std::max(0, twipsToPixels(rowHeight(r))); }

int Grid::colX(int c) const {
  int x = 0;
  for (int i = 0; i < std::min(c, m_fixedCols); ++i) x += colPx(i);
  if (c < m_fixedCols) return x;
  if (c >= m_leftCol) {
    for (int i = m_leftCol; i < c; ++i) x += colPx(i);
  } else {
    for (int i = c; i < m_leftCol; ++i) x -= colPx(i);
  }
  return x;
}

int Grid::rowY(int r) const {
  int y = 0;
  for (int i = 0; i < std::min(r, m_fixedRows); ++i) y += rowPx(i);
  if (r < m_fixedRows) return y;
  if (r >= m_topRow) {
    for (int i = m_topRow; i < r; ++i) y += rowPx(i);
  } else {
    for (int i = r; i < m_topRow; ++i) y -= rowPx(i);
  }
  return y;
}

int Grid::colPos(int c) const { return int(pixelsToTwips(colX(c))); }
int Grid::rowPos(int r) const { return int(pixelsToTwips(rowY(r))); }

bool Grid::rowIsVisible(int r) const {
  if (r < 0 || r >= m_rows) return false;
  if (r >= m_fixedRows && r < m_topRow) return false;
  return rowY(r) + rowPx(r) <= height();
}

bool Grid::colIsVisible(int c) const {
  if (c < 0 || c >= m_cols) return false;
  if (c >= m_fixedCols && c < m_leftCol) return false;
  return colX(c) + colPx(c) <= width();
}

void Grid::setTopRow(int r) {
  int top = std::clamp(r, m_fixedRows, std::max(m_fixedRows, m_rows - 1));
  if (top == m_topRow) return;
  m_topRow = top;
  update();
}

void Grid::setLeftCol(int c) {
  int left = std::clamp(c, m_fixedCols, std::max(m_fixedCols, m_cols - 1));
  if (left == m_leftCol) return;
  m_leftCol = left;
  update();
}

void Grid::setGridLines(bool on) {
  m_gridLines = on;
  update();
}

void Grid::setBorder(bool on) {
  m_border = on;
  update();
}

void Grid::setBackColor(rt::Colour c) {
  m_back = c;
  update();
}

void Grid::setForeColor(rt::Colour c) {
  m_fore = c;
  update();
}

// -- drawing -------------------------------------------------------------------------------------

void Grid::drawCell(QPainter& p, int r, int c, const QRect& cell) const {
  bool fixed = r < m_fixedRows || c < m_fixedCols;
  p.fillRect(cell, fixed ? kFixedBack : toQColor(m_back));
  if (m_gridLines) {
    p.setPen(fixed ? QColor(0, 0, 0) : kLine);
    p.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
    p.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());
  }
  const QString& s = m_text[size_t(r)][size_t(c)];
  if (!s.isEmpty()) {
    int a = fixed ? m_fixedAlign[size_t(c)] : m_colAlign[size_t(c)];
    Qt::Alignment h = a == AlignRight ? Qt::AlignRight : a == AlignCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    p.setPen(toQColor(m_fore));
    p.drawText(cell.adjusted(2, 0, -3, -1), h | Qt::AlignVCenter | Qt::TextSingleLine, s);
  }
  if (!fixed && r == m_row && c == m_col && hasFocus()) {
    QPen dots(toQColor(m_fore));
    dots.setStyle(Qt::DotLine);
    p.setPen(dots);
    p.drawRect(cell.adjusted(1, 1, -3, -3));
  }
}

void Grid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kEmpty);
  p.setFont(font());
  auto rowsInView = [&](auto&& f) {
    for (int r = 0; r < m_fixedRows; ++r) f(r);
    for (int r = m_topRow; r < m_rows && rowY(r) < height(); ++r) f(r);
  };
  auto colsInView = [&](auto&& f) {
    for (int c = 0; c < m_fixedCols; ++c) f(c);
    for (int c = m_leftCol; c < m_cols && colX(c) < width(); ++c) f(c);
  };
  // Scrolled cells first, the fixed ones over them, so headings never give way.
  rowsInView([&](int r) {
    colsInView([&](int c) {
      if (r < m_fixedRows || c < m_fixedCols) return;
      drawCell(p, r, c, QRect(colX(c), rowY(r), colPx(c), rowPx(r)));
    });
  });
  rowsInView([&](int r) {
    colsInView([&](int c) {
      if (r >= m_fixedRows && c >= m_fixedCols) return;
      drawCell(p, r, c, QRect(colX(c), rowY(r), colPx(c), rowPx(r)));
    });
  });
  if (m_border) {
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

// -- input ---------------------------------------------------------------------------------------

bool Grid::cellAt(const QPoint& pt, int& r, int& c) const {
  r = c = -1;
  auto findRow = [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      int y = rowY(i);
      if (pt.y() >= y && pt.y() < y + rowPx(i)) return i;
      if (y > height()) break;
    }
    return -1;
  };
  auto findCol = [&](int from, int to) {
    for (int i = from; i < to; ++i) {
      int x = colX(i);
      if (pt.x() >= x && pt.x() < x + colPx(i)) return i;
      if (x > width()) break;
    }
    return -1;
  };
  r = findRow(0, m_fixedRows);
  if (r < 0) r = findRow(m_topRow, m_rows);
  c = findCol(0, m_fixedCols);
  if (c < 0) c = findCol(m_leftCol, m_cols);
  return r >= 0 && c >= 0;
}

void Grid::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  int r, c;
  if (cellAt(e->position().toPoint(), r, c) && r >= m_fixedRows && c >= m_fixedCols) changeCurrent(r, c);
}

void Grid::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
}

void Grid::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && onDblClick) onDblClick();
}

void Grid::keyPressEvent(QKeyEvent* e) {
  QPointer<Grid> alive(this);
  if (onKeyDown) {
    int code = keyCodeOf(e);
    onKeyDown(code, shiftStateOf(e->modifiers()));
    if (!alive || code == 0) return;
  }
  int r = m_row, c = m_col;
  int firstRow = m_fixedRows, lastRow = m_rows - 1, firstCol = m_fixedCols, lastCol = m_cols - 1;
  if (firstRow > lastRow || firstCol > lastCol) return;
  int page = 0;
  for (int i = m_topRow; i < m_rows && rowIsVisible(i); ++i) ++page;
  page = std::max(1, page);
  switch (e->key()) {
    case Qt::Key_Up: --r; break;
    case Qt::Key_Down: ++r; break;
    case Qt::Key_Left: --c; break;
    case Qt::Key_Right: ++c; break;
    case Qt::Key_Home: c = firstCol; break;
    case Qt::Key_End: c = lastCol; break;
    case Qt::Key_PageUp: r -= page; break;
    case Qt::Key_PageDown: r += page; break;
    default: QWidget::keyPressEvent(e); return;
  }
  changeCurrent(std::clamp(r, firstRow, lastRow), std::clamp(c, firstCol, lastCol));
}

void Grid::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  update();
}

void Grid::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  update();
}

}  // namespace plat
