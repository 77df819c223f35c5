// Loading and saving through the File menu with the scripted platform
// choosing the files: battery saves, password data files and tile dumps, all
// built in code in a temporary folder, and every failure the window reports.
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstring>

#include "codec/Alphabet.h"
#include "tests/common/FifoRelease.h"
#include "tests/ui/MainWindowHarness.h"
#include "tests/ui/TestApplication.h"
#include "tests/ui/TestSaves.h"
#include "ui/ItemRoles.h"

using namespace velmara;
using namespace velmara::testing;

namespace {

const QString kCannotLoad = QStringLiteral(
    "Can't load data from specified file.. it's probably in use by another program.");
const QString kCannotSave =
    QStringLiteral("Can't save to specified file.. it's probably in use by another program.");

bool RunningAsRoot() {
  return ::geteuid() == 0;
}

}  // namespace

class FileMenuTest : public MainWindowTest {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> folder;

  const TPasswordData blockParty0 = NamedParty(kDefaultLow, {"Ann", "Bo", "Cy", "Dee"});
  const TPasswordData blockParty1 = NamedParty(kDefaultHigh, {"Eve", "Fay", "Gus", "Hal"});

  QString path(const QString& name) const { return folder->filePath(name); }
  QString write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
      qFatal("cannot write a test file");
    return file.fileName();
  }
  static QByteArray read(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }

  QListWidget* sources() const { return ui.list(QStringLiteral("lbSaveSlots")); }
  QTabWidget* tabs() const { return ui.find<QTabWidget>(QStringLiteral("PageControl1")); }
  QStringList captions() const {
    QStringList titles;
    for (const char* box : {"gbIsaacStats", "gbGaretStats", "gbIvanStats", "gbMiaStats",
                            "gbIsaacItems", "gbGaretItems", "gbIvanItems", "gbMiaItems"})
      titles << ui.find<QGroupBox>(QString::fromLatin1(box))->title();
    return titles;
  }
  static QStringList twice(const QStringList& names) { return names + names; }
  QList<int> tags() const {
    QList<int> result;
    for (int i = 0; i < sources()->count(); ++i)
      result << sources()->item(i)->data(kSourceTagRole).toInt();
    return result;
  }

  void loadSave(const QString& file) {
    ui.platform.answerOpen(file);
    ui.trigger(QStringLiteral("mFileLoadSavegame"));
  }
  void loadData(const QString& file) {
    ui.platform.answerOpen(file);
    ui.trigger(QStringLiteral("mFileLoadDatafile"));
  }
  void saveData(const QString& file) {
    ui.platform.answerSave(file);
    ui.trigger(QStringLiteral("mFileSavePwdData"));
  }
  void saveTiles(const QString& file) {
    ui.platform.answerSave(file);
    ui.trigger(QStringLiteral("mFileSaveTiles"));
  }
  void makeInvalid() {
    ui.platform.clipboardHoldsText = true;
    ui.platform.clipboard = QStringLiteral("ABC");
    ui.trigger(QStringLiteral("mFileLoadClipboard"));
    QVERIFY(!ui.window->DataValid);
  }
  QString goodSave() const {
    return write(QStringLiteral("good.sav"),
                 SaveImage({{0, "Mia", 0, 0, blockParty0}, {1, "Mia", 1, 0, blockParty1}}));
  }
  void verifyInvalidDisplay() const {
    QVERIFY(!ui.window->DataValid);
    QVERIFY(!tabs()->isEnabled());
    for (int i = 1; i < tabs()->count(); ++i) QVERIFY(!tabs()->isTabVisible(i));
  }

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    ui.open();
  }
  void cleanup() {
    QVERIFY2(ui.platform.allAnswered(), qPrintable(ui.platform.describeLeftovers()));
    ui.close();
    if (folder)
      QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folder.reset();
  }

  // --- Dialogs.

  void dialogs_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("confirmOverwrite");
    QTest::newRow("save file") << "mFileLoadSavegame"
                               << "载入Velmara存档数据..."
                               << "Velmara记忆文件(*.sav)"
                               << "sav" << false;
    QTest::newRow("data file") << "mFileLoadDatafile"
                               << "从本程序的密码文件导入..."
                               << "密码数据文件(*.dat)"
                               << "dat" << false;
    QTest::newRow("save data") << "mFileSavePwdData"
                               << "保存密码数据..."
                               << "Velmara password data files (*.dat)"
                               << "dat" << true;
    QTest::newRow("save tiles") << "mFileSaveTiles"
                                << "保存原始密码字符到DMP文件..."
                                << "Velmara原始密码文件(*.DMP *.dmp)"
                                << "dmp" << true;
  }

  void dialogs() {
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(QString, suffix);
    QFETCH(bool, confirmOverwrite);
    const QByteArray data = Bytes(ui.window->Data);
    if (confirmOverwrite)
      ui.platform.answerSave(QString());
    else
      ui.platform.answerOpen(QString());
    ui.trigger(item);

    QCOMPARE(ui.platform.fileDialogs.size(), std::size_t{1});
    const FileDialogRequest& request = ui.platform.fileDialogs.front();
    QCOMPARE(request.title, title);
    QCOMPARE(request.filter, filter);
    QCOMPARE(request.defaultSuffix, suffix);
    QCOMPARE(request.confirmOverwrite, confirmOverwrite);
    // Cancelled: nothing loaded, nothing written, still valid.
    QCOMPARE(Bytes(ui.window->Data), data);
    QVERIFY(ui.window->DataValid);
    QVERIFY(QDir(folder->path()).isEmpty());
    QVERIFY(ui.platform.boxes.empty());
  }

  // --- Battery saves.

  void saveListsUsableBlocksAndLoadsTheFirst() {
    const QByteArray image = SaveImage({
        {0, "Mia", 0, 0, blockParty0},
        {1, "Mia", 0, 0, blockParty1},             // same name and slot: listed again
        {2, "Slot3", 3},                           // slot number 3
        {3, "Sav", 2, 1},                          // cleared slot
        {4, QByteArray("AB\0CD", 5), 1},           // zero between letters
        {5, "Low", 0, 0, blockParty0, "camelot"},  // signature in lower case
        {6, "a{b", 0},                             // left brace
        {7, "~~~~~", 0},                           // tilde is printable
        {8, QByteArray("a\x7f", 2), 0},            // DEL
        {9, QByteArray("a\x1f", 2), 0},            // control character
        {10, QByteArray("a\x80", 2), 0},           // above ASCII
        {11, "x*y", 0},                            // asterisk
        {12, "Mia", 255},                          // slot number 255
    });
    const QString file = write(QStringLiteral("blocks.sav"), image);
    const QString passwordBefore = ui.window->PasswordText;
    const QStringList memoBefore = ui.memoLines();
    tabs()->setCurrentIndex(2);

    loadSave(file);

    QCOMPARE(MainWindowHarness::rows(sources()),
             (QStringList{"Mia", "Mia", "Sav（清空）", "AB", "~~~~~"}));
    QCOMPARE(tags(), (QList<int>{0, 4096, 12288, 16384, 28672}));
    QCOMPARE(sources()->currentRow(), 0);
    QCOMPARE(ui.window->DataSource, dsSaveFile);
    QVERIFY(ui.window->DataValid);
    QCOMPARE(Bytes(ui.window->Data), image.mid(16, 2608));
    QCOMPARE(captions(), twice({"Ann", "Bo", "Cy", "Dee"}));
    QCOMPARE(ui.edit(QStringLiteral("eMiaHP"))->text(),
             QString::number(blockParty0.Characters[3].HP));
    QCOMPARE(tabs()->currentIndex(), 0);
    // The password waits for the next refresh.
    QCOMPARE(ui.window->PasswordText, passwordBefore);
    QCOMPARE(ui.memoLines(), memoBefore);
  }

  void clickOnAnEntryLoadsThatBlock() {
    loadSave(goodSave());
    MainWindowHarness::clickRow(sources(), 1);
    QCOMPARE(captions(), twice({"Eve", "Fay", "Gus", "Hal"}));
    QCOMPARE(ui.window->Data.Characters[0].Level, blockParty1.Characters[0].Level);
    QCOMPARE(ui.window->PasswordText, Encoded(ptGold, blockParty1));
    QCOMPARE(ui.shownPassword(), Encoded(ptGold, blockParty1));
    QVERIFY(sources()->isEnabled());

    // Edits are replaced by the block's data at the next click.
    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("3"));
    MainWindowHarness::clickRow(sources(), 0);
    QCOMPARE(captions(), twice({"Ann", "Bo", "Cy", "Dee"}));
    QCOMPARE(ui.edit(QStringLiteral("eIsaacLevel"))->text(),
             QString::number(blockParty0.Characters[0].Level));
    QCOMPARE(ui.window->PasswordText, Encoded(ptGold, blockParty0));
  }

  void saveWithoutUsableBlockIsInvalid_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("wellFormedBlocks");
    QTest::newRow("half a save") << 32768 << true;
    QTest::newRow("empty file") << 0 << false;
    QTest::newRow("full size, no block") << kImageSize << false;
  }

  void saveWithoutUsableBlockIsInvalid() {
    QFETCH(int, size);
    QFETCH(bool, wellFormedBlocks);
    std::vector<Block> blocks;
    if (wellFormedBlocks) blocks = {{0, "Mia", 0, 0, blockParty0}, {1, "Ivan", 0}};
    loadSave(goodSave());
    loadSave(write(QStringLiteral("short.sav"), SaveImage(blocks, size)));
    QCOMPARE(sources()->count(), 0);
    QCOMPARE(captions(), twice({"Isaac", "Garet", "Ivan", "Mia"}));
    verifyInvalidDisplay();
    QVERIFY(ui.platform.boxes.empty());
  }

  void longerSaveIsAccepted() {
    QByteArray image = SaveImage({{15, "Tail", 0, 0, blockParty1}});
    image.append(QByteArray(4464, '\x55'));
    loadSave(write(QStringLiteral("long.sav"), image));
    QCOMPARE(MainWindowHarness::rows(sources()), QStringList{"Tail"});
    QCOMPARE(tags(), QList<int>{61440});
    QVERIFY(ui.window->DataValid);
    QCOMPARE(captions(), twice({"Eve", "Fay", "Gus", "Hal"}));
  }

  void unreadableSaveEmptiesTheList_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("device") << "device";
    QTest::newRow("no read permission") << "unreadable";
  }

  void unreadableSaveEmptiesTheList() {
    QFETCH(QString, kind);
    QString target = path(QStringLiteral("target.sav"));
    if (kind == u"directory") {
      QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("target.sav")));
    } else if (kind == u"fifo") {
      QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    } else if (kind == u"device") {
      target = QStringLiteral("/dev/zero");
    } else if (kind == u"unreadable") {
      if (RunningAsRoot()) QSKIP("root reads files without read permission");
      write(QStringLiteral("target.sav"), SaveImage({{0, "Mia"}}));
      QFile::setPermissions(target, QFile::WriteOwner);
    }
    loadSave(goodSave());
    QCOMPARE(sources()->count(), 2);

    {
      // Nothing unreadable is opened to be read: a FIFO without a writer would
      // hold the window until one came.
      test::FifoWaitRelease release(QFile::encodeName(target).toStdString(),
                                    test::FifoWaitRelease::Side::Reader);
      loadSave(target);
      QVERIFY2(!release.stop(), "the load waited for a writer");
    }
    QCOMPARE(sources()->count(), 0);
    QVERIFY(ui.window->SaveImage.isEmpty());
    verifyInvalidDisplay();
    QVERIFY(ui.platform.boxes.empty());
  }

  // --- Password data files.

  void dataFileRoundTrip_data() {
    QTest::addColumn<QString>("typeButton");
    QTest::newRow("gold") << "rbGold";
    QTest::newRow("silver") << "rbSilver";
    QTest::newRow("bronze") << "rbBronze";
  }

  void dataFileRoundTrip() {
    QFETCH(QString, typeButton);
    loadSave(goodSave());  // a record with names and bytes no control edits
    MainWindowHarness::clickRow(sources(), 1);
    ui.click(typeButton);
    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("61"));  // taken by the save's refresh
    const QString file = path(QStringLiteral("party.dat"));

    saveData(file);
    const QByteArray saved = read(file);
    QCOMPARE(saved.size(), 2608);
    QCOMPARE(saved, Bytes(ui.window->Data));
    QCOMPARE(ui.window->Data.Characters[0].Level, std::uint8_t{61});
    const QString password = ui.window->PasswordText;

    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("7"));
    ui.refresh();
    loadData(file);
    QCOMPARE(Bytes(ui.window->Data), saved);
    QCOMPARE(ui.window->PasswordText, password);  // the type stays as it was
    QVERIFY(ui.find<QRadioButton>(typeButton)->isChecked());
    QCOMPARE(MainWindowHarness::rows(sources()), QStringList{QStringLiteral("（数据文件）")});
    QCOMPARE(tags(), QList<int>{-1});
    QCOMPARE(captions(), twice({"Eve", "Fay", "Gus", "Hal"}));
    QCOMPARE(ui.window->DataSource, dsDataFile);
    QVERIFY(ui.window->SaveImage.isEmpty());

    // Saving again writes the same bytes.
    saveData(path(QStringLiteral("again.dat")));
    QCOMPARE(read(path(QStringLiteral("again.dat"))), saved);
  }

  void dataFileSize_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("valid");
    QTest::newRow("block from offset 16") << 16 << 2608 << true;
    QTest::newRow("block with its header") << 0 << 2624 << false;
    QTest::newRow("one byte more") << 16 << 2609 << false;
    QTest::newRow("empty") << 16 << 0 << false;
    QTest::newRow("100 bytes") << 16 << 100 << false;
  }

  void dataFileSize() {
    QFETCH(int, from);
    QFETCH(int, size);
    QFETCH(bool, valid);
    const QByteArray block = SaveImage({{0, "Mia", 0, 0, blockParty1}}).left(kBlockSize);
    loadSave(goodSave());
    const QByteArray before = Bytes(ui.window->Data);

    loadData(write(QStringLiteral("cut.dat"), block.mid(from, size)));

    QCOMPARE(ui.window->DataSource, dsDataFile);
    QCOMPARE(MainWindowHarness::rows(sources()), QStringList{QStringLiteral("（数据文件）")});
    QVERIFY(ui.window->SaveImage.isEmpty());
    QCOMPARE(ui.window->DataValid, valid);
    if (valid) {
      QCOMPARE(Bytes(ui.window->Data), block.mid(16, 2608));
      QCOMPARE(captions(), twice({"Eve", "Fay", "Gus", "Hal"}));
      QCOMPARE(ui.window->PasswordText, Encoded(ptGold, blockParty1));
    } else {
      QCOMPARE(Bytes(ui.window->Data), before);
      verifyInvalidDisplay();
      QVERIFY(ui.pageEntries().isEmpty());
      // A later valid load brings every tab back.
      loadData(write(QStringLiteral("good.dat"), block.mid(16, 2608)));
      QVERIFY(ui.window->DataValid);
      for (int i = 0; i < tabs()->count(); ++i) QVERIFY(tabs()->isTabVisible(i));
    }
  }

  void unreadableDataFileChangesNothing_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("directory") << "directory";
    QTest::newRow("device") << "device";
    QTest::newRow("no read permission") << "unreadable";
  }

  void unreadableDataFileChangesNothing() {
    QFETCH(QString, kind);
    QString target = path(QStringLiteral("target.dat"));
    if (kind == u"directory") {
      QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("target.dat")));
    } else if (kind == u"device") {
      target = QStringLiteral("/dev/zero");
    } else if (kind == u"unreadable") {
      if (RunningAsRoot()) QSKIP("root reads files without read permission");
      write(QStringLiteral("target.dat"), Bytes(blockParty0));
      QFile::setPermissions(target, QFile::WriteOwner);
    }
    loadSave(goodSave());
    const QByteArray before = Bytes(ui.window->Data);

    loadData(target);

    QCOMPARE(ui.platform.informationTexts(), QStringList{kCannotLoad});
    QCOMPARE(Bytes(ui.window->Data), before);
    QCOMPARE(MainWindowHarness::rows(sources()), (QStringList{"Mia", "Mia"}));
    QCOMPARE(ui.window->DataSource, dsSaveFile);
    QVERIFY(ui.window->DataValid);
  }

  void savingInvalidDataIsRefused() {
    makeInvalid();
    ui.trigger(QStringLiteral("mFileSavePwdData"));
    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Warning),
             QStringList{QStringLiteral("Cannot save data for invalid passwords.")});
    QVERIFY(ui.platform.fileDialogs.empty());
  }

  void cancelledSaveStillRefreshes() {
    ui.type(QStringLiteral("eGaretLevel"), QStringLiteral("44"));
    saveData(QString());
    QCOMPARE(ui.window->Data.Characters[1].Level, std::uint8_t{44});
    QVERIFY(QDir(folder->path()).isEmpty());
  }

  void unwritableTarget_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("kind");
    for (const char* item : {"mFileSavePwdData", "mFileSaveTiles"}) {
      QTest::addRow("%s, missing folder", item) << item << "missing folder";
      QTest::addRow("%s, folder is a file", item) << item << "folder is a file";
      QTest::addRow("%s, target is a folder", item) << item << "target is a folder";
      QTest::addRow("%s, read-only folder", item) << item << "read-only folder";
    }
  }

  void unwritableTarget() {
    QFETCH(QString, menuItem);
    QFETCH(QString, kind);
    QString target;
    if (kind == u"missing folder") {
      target = path(QStringLiteral("nowhere/party.out"));
    } else if (kind == u"folder is a file") {
      target = write(QStringLiteral("plain"), "x") + QStringLiteral("/party.out");
    } else if (kind == u"target is a folder") {
      QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("party.out")));
      target = path(QStringLiteral("party.out"));
    } else {
      if (RunningAsRoot()) QSKIP("root writes into read-only folders");
      QVERIFY(QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::ExeOwner));
      target = path(QStringLiteral("party.out"));
    }
    const QByteArray data = Bytes(ui.window->Data);
    ui.platform.answerSave(target);
    ui.trigger(menuItem);
    QCOMPARE(ui.platform.informationTexts(), QStringList{kCannotSave});
    QCOMPARE(Bytes(ui.window->Data), data);
    QVERIFY(ui.window->DataValid);
    QVERIFY(!QFileInfo(target).isFile());
  }

  // A save into a FIFO that no program reads fails with the usual box instead
  // of holding the window until a reader comes.
  void saveIntoAFifoWithoutReaderFailsAtOnce_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("data file") << QStringLiteral("mFileSavePwdData");
    QTest::newRow("tiles") << QStringLiteral("mFileSaveTiles");
  }

  void saveIntoAFifoWithoutReaderFailsAtOnce() {
    QFETCH(QString, menuItem);
    const QString target = path(QStringLiteral("party.fifo"));
    const QByteArray native = QFile::encodeName(target);
    QCOMPARE(::mkfifo(native.constData(), 0600), 0);
    test::FifoWaitRelease release(native.toStdString(), test::FifoWaitRelease::Side::Writer);
    ui.platform.answerSave(target);
    ui.trigger(menuItem);
    QVERIFY2(!release.stop(), "the save waited for a reader");
    QCOMPARE(ui.platform.informationTexts(), QStringList{kCannotSave});
    QVERIFY(QFileInfo(target).exists() && !QFileInfo(target).isFile());
    QVERIFY(ui.window->DataValid);
  }

  void failedSaveLeavesTheOldFile() {
    if (RunningAsRoot()) QSKIP("root writes into read-only folders");
    const QString target = write(QStringLiteral("old.dat"), "old contents");
    QVERIFY(QFile::setPermissions(folder->path(), QFile::ReadOwner | QFile::ExeOwner));
    saveData(target);
    QCOMPARE(ui.platform.informationTexts(), QStringList{kCannotSave});
    QCOMPARE(read(target), QByteArray("old contents"));
  }

  // --- Tile dumps.

  void tileDump_data() {
    QTest::addColumn<QString>("typeButton");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("length");
    QTest::newRow("gold") << "rbGold" << int(ptGold) << 260;
    QTest::newRow("silver") << "rbSilver" << int(ptSilver) << 61;
    QTest::newRow("bronze") << "rbBronze" << int(ptBronze) << 16;
  }

  void tileDump() {
    QFETCH(QString, typeButton);
    QFETCH(int, type);
    QFETCH(int, length);
    ui.click(typeButton);
    ui.type(QStringLiteral("eIsaacLevel"), QStringLiteral("33"));  // rebuilt before writing
    const QString file = path(QStringLiteral("tiles.dmp"));
    saveTiles(file);

    const QByteArray tiles = read(file);
    QCOMPARE(tiles.size(), 260);
    QCOMPARE(ui.window->Data.Characters[0].Level, std::uint8_t{33});
    QString text;
    for (int i = 0; i < 260; ++i) {
      const auto tile = static_cast<std::uint8_t>(tiles[i]);
      if (i < length) {
        QVERIFY(tile < 64);
        text += QLatin1Char(TileToChar(tile));
      } else {
        QCOMPARE(tile, std::uint8_t{0});
      }
    }
    QCOMPARE(text, ui.window->PasswordText);
    QCOMPARE(text, Encoded(static_cast<TPasswordType>(type), ui.window->Data));
  }

  void tilesOfInvalidData_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
  }

  void tilesOfInvalidData() {
    QFETCH(bool, yes);
    ui.click(QStringLiteral("rbSilver"));
    const QString lastBuilt = ui.window->PasswordText;
    makeInvalid();
    ui.platform.answerConfirm(yes);
    const QString file = path(QStringLiteral("tiles.dmp"));
    if (yes) ui.platform.answerSave(file);
    ui.trigger(QStringLiteral("mFileSaveTiles"));

    QCOMPARE(ui.platform.texts(ScriptedPlatform::BoxKind::Confirm),
             QStringList{QStringLiteral("Password is invalid.. save anyway?")});
    QCOMPARE(ui.platform.fileDialogs.size(), std::size_t{yes ? 1u : 0u});
    if (!yes) {
      QVERIFY(!QFile::exists(file));
      return;
    }
    // The tiles of the last password the encoder built.
    const QByteArray tiles = read(file);
    QCOMPARE(tiles.size(), 260);
    QString text;
    for (int i = 0; i < lastBuilt.size(); ++i)
      text += QLatin1Char(TileToChar(static_cast<std::uint8_t>(tiles[i])));
    QCOMPARE(text, lastBuilt);
  }
};

VELMARA_TEST_MAIN(FileMenuTest)
#include "FileMenuTest.moc"
