// The pictures the windows show are built into the program: each loads by its name with no
// picture file in the program's folder, the same pixels as the picture resgen drew.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QTemporaryDir>

#include "platform/files.h"
#include "platform/image.h"

namespace {

// Keeps the messages given while it lives instead of passing them on.
class KeptMessages {
 public:
  KeptMessages() {
    s_kept = &m_messages;
    m_passOn = qInstallMessageHandler(keep);
  }
  ~KeptMessages() {
    qInstallMessageHandler(m_passOn);
    s_kept = nullptr;
  }
  const QStringList& messages() const { return m_messages; }

 private:
  static void keep(QtMsgType, const QMessageLogContext&, const QString& text) { s_kept->append(text); }
  static inline QStringList* s_kept = nullptr;
  QStringList m_messages;
  QtMessageHandler m_passOn = nullptr;
};

class Pictures : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_folder.isValid());
    plat::setProgramFolder(m_folder.path());
  }
  void TearDown() override { plat::setProgramFolder(QString()); }

  // The program's folder: no picture file in it.
  QTemporaryDir m_folder;
};

TEST_F(Pictures, EveryPictureResgenMakesLoadsFromInsideTheProgramWithItsPixels) {
  const QStringList names = QStringLiteral(VANTREL_PICTURE_NAMES).split(QLatin1Char(','));
  ASSERT_GT(names.size(), 40);
  ASSERT_TRUE(QDir(m_folder.path()).entryList({"*.png"}, QDir::Files).isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QPixmap loaded = plat::loadPicture(name);
    ASSERT_FALSE(loaded.isNull());
    // As a window got the picture when it read resgen's file.
    const QPixmap drawn(QDir(QStringLiteral(VANTREL_PICTURES_DIR)).filePath(name));
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(loaded.size(), drawn.size());
    EXPECT_TRUE(loaded.toImage() == drawn.toImage()) << "the pixels differ";
  }
}

// The program's folder is never read for a picture: a file there neither replaces one of the
// program's pictures nor adds one, and a name that is none of them is told as a warning.
TEST_F(Pictures, AFileInTheProgramsFolderIsNoPicture) {
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(m_folder.filePath("exit.png")));
  ASSERT_TRUE(red.save(m_folder.filePath("stray.png")));
  EXPECT_EQ(plat::loadPicture("exit.png").size(), QSize(32, 32));

  KeptMessages said;
  EXPECT_TRUE(plat::loadPicture("stray.png").isNull());
  ASSERT_EQ(said.messages().size(), 1);
  EXPECT_TRUE(said.messages().front().startsWith("No picture named stray.png"))
      << said.messages().front().toStdString();
}

}  // namespace
