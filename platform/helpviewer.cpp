#include "platform/helpviewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/helptext.h"

namespace plat {
namespace {

// The most of a help file the viewer reads, hundreds of times any real help file. Reading
// takes time as a file grows, and far more when it is made of millions of tiny topics or
// paragraphs: 16 MB of them keep Help from showing for half a second, 4 MB for a tenth.
constexpr qint64 kMostReadBytes = 4 * 1024 * 1024;

// A page shows at most this much of its file. The window lays out that many characters in a
// few hundredths of a second, where megabytes take it seconds; and a contents list of many
// thousand topics takes it minutes, as each new item of a list costs as much as all before it.
// The shipped pages are far below both.
constexpr qsizetype kMostShownCharacters = 100000;
constexpr int kMostShownBlocks = 1000;  // headings, paragraphs, items and topic links

// The layout seeks each line's end from its start up to the next place a line may break, so a
// word of a few hundred thousand letters takes it minutes. A word longer than this may break
// after its kLongestWord-th character and after every kBreakEvery more, at an invisible
// zero-width space: the pieces are short enough to fill most of a line.
constexpr int kLongestWord = 40;
constexpr int kBreakEvery = 10;
constexpr QChar kBreakOpportunity(0x200B);

// Accents and other combining marks are placed over their letter each on the ones before it,
// so a letter with thousands of them takes seconds: after this many in a row a blank takes the
// rest. Real writing puts a few on a letter.
constexpr int kMostMarks = 30;

// The text as the page shows it: escaped for HTML, with the breaks above.
QString breakableHtml(const QString& text) {
  QString out;
  out.reserve(text.size() + text.size() / kBreakEvery + 1);
  int word = 0;        // characters since the last blank
  int sinceBreak = 0;  // characters since the last blank or break
  int marks = 0;       // combining marks in a row
  for (qsizetype i = 0; i < text.size();) {
    const QChar unit = text.at(i);
    const bool pair = unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
    const char32_t c = pair ? QChar::surrogateToUcs4(unit, text.at(i + 1)) : unit.unicode();
    if (c == ' ' || c == '\t') {
      word = sinceBreak = marks = 0;
    } else {
      if (!QChar::isMark(c)) {
        marks = 0;
        if (word >= kLongestWord && sinceBreak >= kBreakEvery) {
          out += kBreakOpportunity;
          sinceBreak = 0;
        }
      } else if (++marks > kMostMarks) {
        // A break never parts a mark from its letter, but for the blank after too many.
        out += ' ';
        word = sinceBreak = 0;
        marks = 1;
      }
      ++word;
      ++sinceBreak;
    }
    out += QStringView(text).mid(i, pair ? 2 : 1);
    i += pair ? 2 : 1;
  }
  return out.toHtmlEscaped();
}

// A page's HTML, built from the file's texts until it holds the most a page shows.
class PageHtml {
 public:
  // Adds the text between the two pieces of HTML, cut to what the page has room for. False
  // when nothing more fits: the page is full.
  bool add(const QString& open, const std::string& text, const QString& close) {
    if (m_full) return false;
    QString shown = QString::fromStdString(text);
    if (m_blocksLeft == 0 || (m_charactersLeft == 0 && !shown.isEmpty())) {
      m_full = true;
      return false;
    }
    --m_blocksLeft;
    if (shown.size() > m_charactersLeft) {
      qsizetype cut = m_charactersLeft;
      if (cut > 0 && shown.at(cut - 1).isHighSurrogate()) --cut;  // never half a character
      shown.truncate(cut);
      m_full = true;
    }
    m_charactersLeft -= shown.size();
    m_html += open + breakableHtml(shown) + close;
    return !m_full;
  }
  bool add(const HelpBlock& block) {
    return block.bullet ? add("<ul><li>", block.text, "</li></ul>") : add("<p>", block.text, "</p>");
  }
  void addHtml(const QString& html) { m_html += html; }
  bool full() const { return m_full; }
  const QString& html() const { return m_html; }

 private:
  QString m_html;
  qsizetype m_charactersLeft = kMostShownCharacters;
  int m_blocksLeft = kMostShownBlocks;
  bool m_full = false;
};

void addBlocks(PageHtml& page, const HelpPage& source) {
  for (const HelpBlock& block : source.blocks)
    if (!page.add(block)) return;
}

}  // namespace

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
  installAccessible<HelpViewer, WindowAccessible>();
  resize(560, 460);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  // The program's own buttons, so the keyboard presses them as it presses every other.
  m_contents = new CommandButton(this, tr("&Contents"));
  auto* close = new CommandButton(this, tr("C&lose"));
  bar->addWidget(m_contents);
  bar->addStretch();
  bar->addWidget(close);
  layout->addLayout(bar);
  m_text = new HelpText(this);
  m_text->setAccessibleName(tr("Help text"));
  layout->addWidget(m_text);
  m_contents->onClick = [this] { showPage(0); };
  close->onClick = [this] { this->close(); };
  connect(m_text, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == "topic") showPage(url.path().toInt());
  });
}

void HelpViewer::open(const QString& path, int topic) {
  QString real = resolveFile(path);
  if (real != m_path || !m_file) {
    m_path = real;
    QFile f(real);
    m_file.reset();
    // As much as the file holds, up to the most read (a read asks for room for all it may get).
    if (f.open(QIODevice::ReadOnly)) m_file = parseHelpFile(f.read(qMin(f.size(), kMostReadBytes)).toStdString());
  }
  showPage(topic);
  show();
  raise();
  activateWindow();
}

void HelpViewer::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && !(e->modifiers() & ~Qt::KeypadModifier)) {
    close();
    return;
  }
  QWidget::keyPressEvent(e);
}

QString HelpViewer::pageText() const { return m_text->toPlainText(); }

void HelpViewer::showPage(int topic) {
  PageHtml page;
  if (!m_file) {
    m_pageTitle = tr("Help");
    page.addHtml("<p>" + tr("The help file %1 could not be read.").arg(m_path.toHtmlEscaped()) + "</p>");
  } else if (topic == 0 || !m_file->topics.count(topic)) {
    const HelpPage& p = m_file->contents;
    m_pageTitle = QString::fromStdString(p.title);
    page.add("<h2>", p.title, "</h2>");
    if (topic != 0) page.addHtml("<p><i>" + tr("Topic %1 is not in this help file.").arg(topic) + "</i></p>");
    addBlocks(page, p);
    page.addHtml("<ul>");
    for (const auto& [n, topicPage] : m_file->topics)
      if (!page.add(QString("<li><a href=\"topic:%1\">").arg(n), topicPage.title, "</a></li>")) break;
    page.addHtml("</ul>");
  } else {
    const HelpPage& p = m_file->topics.at(topic);
    m_pageTitle = QString::fromStdString(p.title);
    page.add("<h2>", p.title, "</h2>");
    addBlocks(page, p);
  }
  if (page.full()) page.addHtml("<p><i>" + tr("(The rest of this page is too long to show.)") + "</i></p>");
  m_text->setHtml(page.html());
  // The title names the help and its page ("Levers - Vantrel Help"), never only the page,
  // which is often named as the project window the help was opened from.
  const QString help =
      m_file && !m_file->contents.title.empty() ? QString::fromStdString(m_file->contents.title) : tr("Help");
  const QString title = m_pageTitle == help ? help : tr("%1 - %2").arg(m_pageTitle, help);
  if (title != windowTitle()) {
    setWindowTitle(title);
    announceNameChange(this);
  }
}

}  // namespace plat
