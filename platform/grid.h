#pragma once
// A grid of text cells with fixed rows at the top and fixed columns at the left (headings
// and row numbers, in the grey of buttons), the rest scrolled by code through the top row
// and the left column.
//
// The current cell is what the window works with: code may make any cell current (fixed
// ones too, to write their text); a click or an arrow key makes a cell beyond the fixed ones
// current. Every change of the current cell fires RowColChange once: setting row and column
// together is one change, setting the row alone another. The grid never edits a cell and
// never scrolls by itself: the window places its own edit box over the current cell and
// moves the top row itself.
//
// Sizes and positions are in twips, as the window's layout; each becomes whole pixels.
//
// Screen readers hear a cell by its headings: its column's heading, then its row's, under
// the heading of the row headings ("High, Day 12"). The edit box a window moves over the
// current cell is named so, and announces its new name at each move.

#include <QWidget>
#include <functional>
#include <vector>

#include "runtime/colour.h"

namespace plat {

class Grid : public QWidget {
  Q_OBJECT
 public:
  enum Align : int { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

  explicit Grid(QWidget* parent);

  void setRows(int n);
  int rows() const { return m_rows; }
  void setCols(int n);
  int cols() const { return m_cols; }
  void setFixedRows(int n);
  int fixedRows() const { return m_fixedRows; }
  void setFixedCols(int n);
  int fixedCols() const { return m_fixedCols; }

  // -- the current cell --------------------------------------------------------------------
  int row() const { return m_row; }
  int col() const { return m_col; }
  // Out-of-range rows and columns are refused: the current cell stays.
  void setRow(int r);
  void setCol(int c);
  void setCurrentCell(int r, int c);
  QString text() const { return textMatrix(m_row, m_col); }
  void setText(const QString& t) { setTextMatrix(m_row, m_col, t); }

  // -- any cell ------------------------------------------------------------------------------
  QString textMatrix(int r, int c) const;
  void setTextMatrix(int r, int c, const QString& t);

  // -- layout (twips) ------------------------------------------------------------------------
  int colWidth(int c) const;
  void setColWidth(int c, int twips);
  // A row's height follows the font until it is set.
  int rowHeight(int r) const;
  void setRowHeight(int r, int twips);
  int colAlignment(int c) const;
  void setColAlignment(int c, int a);
  int fixedAlignment(int c) const;
  void setFixedAlignment(int c, int a);

  // -- scrolling by code -----------------------------------------------------------------------
  int topRow() const { return m_topRow; }
  void setTopRow(int r);  // held within the rows that scroll
  int leftCol() const { return m_leftCol; }
  void setLeftCol(int c);
  // Where a column's left edge and a row's top edge stand, from the grid's own left and top
  // edges, as the grid is scrolled now (twips).
  int colPos(int c) const;
  int rowPos(int r) const;
  // Whether the whole of a row (column) is in view.
  bool rowIsVisible(int r) const;
  bool colIsVisible(int c) const;

  void setGridLines(bool on);
  void setBorder(bool on);
  void setBackColor(rt::Colour c);
  void setForeColor(rt::Colour c);
  void refresh() { repaint(); }

  // The grid's content as text, a line per row and a tab between cells (screen readers
  // read it so).
  QString contentText() const;
  // A cell's name for screen readers, from the headings in the fixed rows and columns:
  // "High, Day 12" for the cell under the heading "High" in the row headed "12" of the
  // column headed "Day". Without headings, "Row 12, column 2".
  QString cellName(int r, int c) const;
  // Names a control that edits the current cell (an edit box placed over it) by that cell,
  // and tells screen readers of the new name when it changes: called at each move, it makes
  // the box heard as the cell it now edits.
  void nameCellEditor(QWidget* editor) const;

  std::function<void()> onRowColChange;
  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void(int& keyCode, int shift)> onKeyDown;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  int colPx(int c) const;
  int rowPx(int r) const;
  int colX(int c) const;  // pixels from the left edge
  int rowY(int r) const;
  bool cellAt(const QPoint& p, int& r, int& c) const;
  void changeCurrent(int r, int c);
  void resizeTables();
  void drawCell(class QPainter& p, int r, int c, const QRect& cell) const;

  int m_rows = 2, m_cols = 2, m_fixedRows = 1, m_fixedCols = 1;
  int m_row = 1, m_col = 1, m_topRow = 1, m_leftCol = 1;
  std::vector<std::vector<QString>> m_text;
  std::vector<int> m_colWidth, m_rowHeight, m_colAlign, m_fixedAlign;
  bool m_gridLines = true, m_border = true;
  rt::Colour m_back = 0xFFFFFF, m_fore = 0x000000;
};

}  // namespace plat
