#pragma once
// The help window: one per program, reused by every help call. It shows one page of a
// help file at a time; the contents page lists every topic of its file as a link. Escape
// closes it, as its Close button does.

#include <QWidget>

#include "platform/helpfile.h"

namespace plat {

class CommandButton;
class HelpText;

class HelpViewer : public QWidget {
  Q_OBJECT
 public:
  HelpViewer();
  // Loads the file (unless it is the one shown) and shows its contents (topic 0) or a topic.
  void open(const QString& path, int topic);
  QString pageTitle() const { return m_pageTitle; }
  QString pageText() const;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void showPage(int topic);
  QString m_path;
  std::optional<HelpFile> m_file;
  QString m_pageTitle;
  HelpText* m_text;
  CommandButton* m_contents;
};

}  // namespace plat
