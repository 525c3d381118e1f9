// The printer with no printer on the computer: a real PDF file in the program's folder whose
// text reads back, the user told where it went, and a folder that cannot be written told as
// a failure, leaving no file behind.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/printer.h"
#include "platform/printer_pdf.h"
#include "platform/services.h"
#include "tests/support/doubles.h"
#include "tests/support/filelimit.h"

namespace {

using plat::Orientation;
using plat::printer;

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

class PdfPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
      GTEST_SKIP() << "poppler-utils are needed to read the PDF back";
    ASSERT_TRUE(dir.isValid());
    services = plat::installTestServices();
    auto backend = std::make_unique<plat::PdfPrinterBackend>(dir.path());
    pdf = backend.get();
    printer().setBackend(std::move(backend));
  }
  void TearDown() override {
    printer().setOrientation(Orientation::Portrait);
    plat::installRecordingPrinter();
  }
  QStringList pdfFiles() const { return QDir(dir.path()).entryList({"*.pdf"}, QDir::Files); }
  QTemporaryDir dir;
  plat::TestServices services{};
  plat::PdfPrinterBackend* pdf = nullptr;
};

TEST_F(PdfPrinterTest, ALandscapeTableReadsBackPageByPage) {
  ASSERT_TRUE(plat::askPrinterReady("Print File"));  // the scripted box answers OK
  auto& p = printer();
  p.setFont("Courier New", 12);
  p.setOrientation(Orientation::Landscape);
  p.setScale(0, 0, 1100, 850);
  for (int page = 1; page <= 2; ++page) {
    p.moveTo(90, 75);
    p.print("Weather Watch");
    p.setCurrentX(90);
    p.print(QString("File: NEW, Page %1").arg(page));
    p.box(90, 150, 1040, 800);
    p.setFontUnderline(true);
    p.moveTo(100, 200);
    p.print("Comment", false);
    p.setFontUnderline(false);
    p.tab(40);
    p.print("Sunny, light wind");
    p.newPage();
  }
  p.endDoc();
  p.setOrientation(Orientation::Portrait);

  QStringList files = pdfFiles();
  ASSERT_EQ(files.size(), 1);
  EXPECT_TRUE(files[0].startsWith("Print-File-"));
  QString path = dir.filePath(files[0]);
  QString info = run("pdfinfo", {path});
  EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
  EXPECT_TRUE(info.contains("792 x 612 pts")) << info.toStdString();  // letter, landscape
  QString text = run("pdftotext", {"-layout", path, "-"});
  EXPECT_EQ(text.count("Weather Watch"), 2);
  EXPECT_TRUE(text.contains("File: NEW, Page 1"));
  EXPECT_TRUE(text.contains("File: NEW, Page 2"));
  EXPECT_TRUE(text.contains(QRegularExpression("Comment +Sunny, light wind"))) << text.toStdString();

  // The user is told where the printout went.
  ASSERT_EQ(services.boxes->calls.size(), 2u);  // the prompt, then where it went
  const auto& told = services.boxes->calls[1];
  EXPECT_TRUE(told.text.contains(QDir::toNativeSeparators(path))) << told.text.toStdString();
  EXPECT_EQ(told.style & 0x70, plat::msg::Information);
  EXPECT_EQ(told.title, "Print File");
}

TEST_F(PdfPrinterTest, EachDocumentIsAFileOfItsOwnAndEmptyOnesMakeNone) {
  auto& p = printer();
  p.print("Robotics");
  p.endDoc();
  p.endDoc();  // nothing drawn: no file
  p.print("Robotics");
  p.endDoc();
  EXPECT_EQ(pdfFiles().size(), 2);
}

TEST_F(PdfPrinterTest, AFolderThatCannotBeWrittenIsToldAndLeavesNoFile) {
  auto backend = std::make_unique<plat::PdfPrinterBackend>(dir.filePath("missing/folder"));
  printer().setBackend(std::move(backend));
  auto& p = printer();
  p.print("Probability");
  p.line(0, 0, 1000, 1000);
  p.endDoc();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].style & 0x70, plat::msg::Critical);
  EXPECT_TRUE(services.boxes->calls[0].text.contains("could not be written"));
  EXPECT_TRUE(pdfFiles().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));
}

TEST_F(PdfPrinterTest, AReportThatFillsTheDiskIsNotPrintedAndLeavesNoFile) {
  printer().setDocumentTitle("Print Trajectory");
  // The disk takes 1000 bytes: less than any report.
  const std::string seen = testsupport::inChildWithFileLimit(1000, [&] {
    auto& p = printer();
    p.print("Trajectories");
    p.line(0, 0, 1000, 1000);
    p.endDoc();
    std::string out;
    for (const auto& c : services.boxes->calls)
      out += c.title.toStdString() + " " + std::to_string(c.style) + ":" + c.text.toStdString() + "\n";
    return out;
  });
  // The file's name is made in the child; the parent only knows its folder.
  const QString name = QString::fromStdString(seen).section("The file ", 1).section(' ', 0, 0);
  EXPECT_TRUE(name.startsWith(dir.path() + "/Print-Trajectory-")) << seen;
  EXPECT_EQ(
      QString::fromStdString(seen).replace(name, "NAME").toStdString(),
      "Print Trajectory " + std::to_string(plat::msg::OkOnly | plat::msg::Critical) +
          ":The report could not be printed.\n\nThe file NAME could not be written: Disk full (File too large)\n");
  EXPECT_EQ(seen.find("saved as"), std::string::npos);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(PdfPrinterTest, AnAbandonedDocumentLeavesNoFileBehind) {
  auto& p = printer();
  p.print("half a report");
  plat::installRecordingPrinter();  // the PDF back-end goes with its document unfinished
  EXPECT_TRUE(pdfFiles().isEmpty());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

}  // namespace
