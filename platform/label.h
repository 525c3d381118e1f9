#pragma once
// A text read-out. Alignment, colours, font and an optional border; "refresh" repaints it at
// once, for read-outs that must show before a blocking wait. Text aligned to a side keeps a
// little clear of that side, so it never meets a neighbour that stands against the label.

#include <QLabel>
#include <QPointer>
#include <vector>

#include "runtime/colour.h"

namespace plat {

class Label : public QLabel {
  Q_OBJECT
 public:
  enum Align { Left = 0, Right = 1, Center = 2 };
  explicit Label(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption);
  QString caption() const { return text(); }
  void setAlignment(Align a);
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);  // an opaque background
  void setTransparent();            // the container shows through
  void setBorder(bool single);
  void refresh() { repaint(); }

  // For screen readers. A read-out is heard with the captions that say what it shows (its
  // row's, then its column's): they are its labels, and its name says them before its text
  // ("Altitude Value (ft) 1864"); a caption that changes renames its read-outs.
  void setHeardCaptions(const std::vector<Label*>& captions);
  std::vector<Label*> heardCaptions() const;
  // The read-outs this label is a caption of.
  std::vector<Label*> findReadouts() const;
  // Words a read-out is heard with where no caption on the window says them ("Rung 1 voltage").
  void setHeardCaption(const QString& words);
  // A message that appears on its own ("Crash!!"): heard as a notification, which a screen
  // reader announces each time it shows.
  void setAnnounced(bool announced) { m_announced = announced; }
  bool announced() const { return m_announced; }
  // Heard as another text than the one shown (the word whose letters stand one a label), or
  // not at all (its other letters).
  void setHeardText(const QString& text);
  void hideFromReaders() { m_hiddenFromReaders = true; }
  bool hiddenFromReaders() const { return m_hiddenFromReaders; }
  // What a screen reader hears as the label's name.
  QString heardName() const;

 private:
  void applyIndent();
  std::vector<QPointer<Label>> m_heardCaptions;
  std::vector<QPointer<Label>> m_captionOf;  // the read-outs this label is a caption of
  QString m_heardCaption;
  QString m_heardText;
  bool m_announced = false;
  bool m_hiddenFromReaders = false;
};

// A title written downwards one letter a label, as a screen reader hears it: the first label
// says the whole word and the others nothing.
void hearAsOneWord(const std::vector<Label*>& letters);

// A frame: a captioned border that groups controls. Screen readers hear it as a group named
// by its caption.
class Frame : public QWidget {
  Q_OBJECT
 public:
  explicit Frame(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption);
  QString caption() const { return m_caption; }
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString m_caption;
};

}  // namespace plat
