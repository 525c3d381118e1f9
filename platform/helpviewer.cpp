#include "platform/helpviewer.h"

#include <QFile>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/button.h"
#include "platform/files.h"

namespace plat {

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
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
  m_text = new QTextBrowser(this);
  m_text->setOpenLinks(false);
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
    if (f.open(QIODevice::ReadOnly)) m_file = parseHelpFile(f.readAll().toStdString());
  }
  showPage(topic);
  show();
  raise();
  activateWindow();
}

QString HelpViewer::pageText() const { return m_text->toPlainText(); }

void HelpViewer::showPage(int topic) {
  QString html;
  auto para = [&html](const HelpBlock& b) {
    QString t = QString::fromStdString(b.text).toHtmlEscaped();
    html += b.bullet ? "<ul><li>" + t + "</li></ul>" : "<p>" + t + "</p>";
  };
  if (!m_file) {
    m_pageTitle = tr("Help");
    html = "<p>" + tr("The help file %1 could not be read.").arg(m_path.toHtmlEscaped()) + "</p>";
  } else if (topic == 0 || !m_file->topics.count(topic)) {
    const HelpPage& p = m_file->contents;
    m_pageTitle = QString::fromStdString(p.title);
    html = "<h2>" + m_pageTitle.toHtmlEscaped() + "</h2>";
    if (topic != 0) html += "<p><i>" + tr("Topic %1 is not in this help file.").arg(topic) + "</i></p>";
    for (const auto& b : p.blocks) para(b);
    html += "<ul>";
    for (const auto& [n, page] : m_file->topics)
      html += QString("<li><a href=\"topic:%1\">%2</a></li>")
                  .arg(n)
                  .arg(QString::fromStdString(page.title).toHtmlEscaped());
    html += "</ul>";
  } else {
    const HelpPage& p = m_file->topics.at(topic);
    m_pageTitle = QString::fromStdString(p.title);
    html = "<h2>" + m_pageTitle.toHtmlEscaped() + "</h2>";
    for (const auto& b : p.blocks) para(b);
  }
  m_text->setHtml(html);
  setWindowTitle(m_pageTitle);
}

}  // namespace plat
