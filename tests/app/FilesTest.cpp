// The one save routine and the one reader on real file systems: a full disk, read-only folders,
// special files.
// Real file systems are mounted and permissions dropped the Linux way: Linux only.
#ifdef __linux__
#include "app/platform/Files.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "common/Errors.h"

namespace kalkora {
namespace {

std::string Content(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<cannot open>";
  return file.readAll().toStdString();
}

void Put(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
            static_cast<qint64>(bytes.size()));
}

// The message of the save's error, or "saved".
std::string Save(const QString& path, const std::string& bytes) {
  try {
    SaveFile(path, bytes);
    return "saved";
  } catch (const InOutError& e) {
    return e.what();
  }
}

// Runs `work` on a thread that has given up what lets root ignore permission bits, so that a
// read-only folder is read-only for it as for any user. False when it could not give them up.
bool AsPlainUser(const std::function<void()>& work) {
  bool ran = false;
  std::thread thread([&] {
    if (::geteuid() == 0) {
      __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
      __user_cap_data_struct data[2]{};
      if (::syscall(SYS_capget, &header, data) != 0) return;
      for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
      }
      // Capabilities belong to the thread: the rest of the tests keep theirs.
      if (::syscall(SYS_capset, &header, data) != 0) return;
    }
    ran = true;
    work();
  });
  thread.join();
  return ran;
}

// A file system of 16 KiB on a folder of its own, gone again at the end of the test.
class SmallDisk {
 public:
  explicit SmallDisk(unsigned long flags = 0) {
    if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", flags,
                "size=16k") == 0) {
      mounted_ = true;
    } else {
      reason_ = std::strerror(errno);
    }
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  const std::string& Reason() const { return reason_; }
  QString File(const QString& name) const { return folder_.filePath(name); }
  QStringList Files() const { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden); }
  void SetWritable(bool writable) const {
    ::chmod(QFile::encodeName(folder_.path()).constData(), writable ? 0755 : 0555);
  }

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
  std::string reason_;
};

// What a failed save of `path` says, for the reason given.
std::string Unsaved(const QString& path, const std::string& reason) {
  return "Не удалось сохранить «" + path.toStdString() + "»: " + reason;
}

const std::string kOld(2000, 'o');
const std::string kNew(13150, 'n');  // the default graph's size

TEST(SaveFileTest, AFullDiskKeepsTheOldFileAndSaysSo) {
  SmallDisk disk;
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here: " << disk.Reason();
  const QString name = disk.File(QStringLiteral("g.grf"));
  Put(name, kOld);
  EXPECT_EQ(Save(name, kNew), Unsaved(name, "на диске не осталось места"));
  EXPECT_TRUE(Content(name) == kOld);
  EXPECT_EQ(disk.Files(), QStringList{QStringLiteral("g.grf")});
  // A file that fits is saved.
  EXPECT_EQ(Save(name, "fits"), "saved");
  EXPECT_EQ(Content(name), "fits");
}

TEST(SaveFileTest, InAFolderThatTakesNoNewFileTheFileIsWrittenInPlace) {
  SmallDisk disk;
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here: " << disk.Reason();
  const QString shared = disk.File(QStringLiteral("shared.grf"));
  const QString readOnly = disk.File(QStringLiteral("read-only.grf"));
  Put(shared, kOld);
  Put(readOnly, kOld);
  ::chmod(QFile::encodeName(readOnly).constData(), 0444);
  disk.SetWritable(false);
  std::string tooBig, fits, shorter, newFile, notWritable;
  bool oldContentBack = false;
  ASSERT_TRUE(AsPlainUser([&] {
    tooBig = Save(shared, kNew);  // the disk has no room for it even in place
    oldContentBack = Content(shared) == kOld;
    fits = Save(shared, std::string(3000, 'a'));
    shorter = Save(shared, "short");
    newFile = Save(disk.File(QStringLiteral("new.grf")), "new");
    notWritable = Save(readOnly, "x");
  })) << "cannot give up root's permissions";
  disk.SetWritable(true);
  EXPECT_EQ(tooBig, Unsaved(shared, "на диске не осталось места"));
  EXPECT_TRUE(oldContentBack);
  EXPECT_EQ(fits, "saved");
  EXPECT_EQ(shorter, "saved");
  EXPECT_EQ(Content(shared), "short");
  EXPECT_EQ(newFile,
            Unsaved(disk.File(QStringLiteral("new.grf")), "нет доступа к файлу или папке"));
  EXPECT_EQ(notWritable, Unsaved(readOnly, "нет доступа к файлу или папке"));
  EXPECT_TRUE(Content(readOnly) == kOld);
  EXPECT_EQ(disk.Files(),
            (QStringList{QStringLiteral("read-only.grf"), QStringLiteral("shared.grf")}));
}

TEST(SaveFileTest, ARefusedSaveSaysWhyAndNamesTheFile) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("file"));
  Put(file, kOld);
  const QString longName = folder.filePath(QString(300, u'n'));
  const QString fifo = folder.filePath(QStringLiteral("fifo.grf"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
  const QString linkToFifo = folder.filePath(QStringLiteral("link.grf"));
  ASSERT_TRUE(QFile::link(fifo, linkToFifo));
  // Special files of the test's own: a save that wrongly replaced one harms nothing else.
  const QString socketFile = folder.filePath(QStringLiteral("socket"));
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, QFile::encodeName(socketFile).constData(),
               sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(socket);
  const struct {
    QString path;
    std::string message;
  } cases[] = {
      {folder.filePath(QStringLiteral("no/such/folder/g.grf")), "нет такого файла или папки"},
      {file + QStringLiteral("/g.grf"), "часть пути — не папка"},
      {folder.path(), "это папка, а не файл"},
      {fifo, "это не обычный файл, а именованный канал"},
      {linkToFifo, "это не обычный файл, а именованный канал"},
      {socketFile, "это не обычный файл, а сокет"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Save(c.path, "new"), Unsaved(c.path, c.message));
  }
  const QString device = folder.filePath(QStringLiteral("null"));
  if (::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    EXPECT_EQ(Save(device, "new"), Unsaved(device, "это не обычный файл, а устройство"));
    EXPECT_FALSE(QFileInfo(device).isFile());
    QFile::remove(device);
  }
  // A name that would turn the message round is shown with the character written out.
  EXPECT_EQ(
      Save(folder.filePath(QStringLiteral("\u202Eno/g.grf")), "new"),
      Unsaved(folder.filePath(QStringLiteral("<U+202E>no/g.grf")), "нет такого файла или папки"));
  // A long path keeps its start and its end.
  const std::string tooLong = Save(longName, "new");
  EXPECT_EQ(tooLong.substr(tooLong.rfind(':')), ": слишком длинное имя файла");
  EXPECT_EQ(QString::fromStdString(tooLong).section(u'«', 1).section(u'»', 0, 0),
            folder.path().left(20) + u'…' + QString(40, u'n'));
  // The pipe and the link are where they were, and nothing was left beside them.
  struct stat status {};
  ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &status), 0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
  EXPECT_TRUE(QFileInfo(linkToFifo).isSymLink());
  EXPECT_EQ(QDir(folder.path())
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{QStringLiteral("fifo.grf"), QStringLiteral("file"),
                         QStringLiteral("link.grf"), QStringLiteral("socket")}));
}

TEST(SaveFileTest, ALinkedFileTakesTheContentAndKeepsItsPermissions) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("real.grf"));
  Put(file, kOld);
  ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
  const QString link = folder.filePath(QStringLiteral("link.grf"));
  ASSERT_TRUE(QFile::link(QStringLiteral("real.grf"), link));
  EXPECT_EQ(Save(link, "new"), "saved");
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(Content(file), "new");
  struct stat status {};
  ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST(SaveFileTest, AReadOnlyDiskSaysSo) {
  SmallDisk disk(MS_RDONLY);
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a read-only tmpfs here: " << disk.Reason();
  const QString name = disk.File(QStringLiteral("g.grf"));
  EXPECT_EQ(Save(name, "new"), Unsaved(name, "диск доступен только для чтения"));
}

TEST(ReadRegularFileTest, ReadsUpToItsLimitAndNoFolder) {
  QTemporaryDir folder;
  std::string bytes;
  EXPECT_EQ(ReadRegularFile(folder.path(), 100, bytes), FileRead::NotRegular);
  EXPECT_EQ(ReadRegularFile(folder.filePath(QStringLiteral("missing")), 100, bytes),
            FileRead::CannotOpen);
  const QString file = folder.filePath(QStringLiteral("g.grf"));
  Put(file, "0123456789");
  EXPECT_EQ(ReadRegularFile(file, 10, bytes), FileRead::Read);
  EXPECT_EQ(bytes, "0123456789");
  EXPECT_EQ(ReadRegularFile(file, 9, bytes), FileRead::TooLarge);
}

TEST(ReadRegularFileTest, AReadErrorSaysWhyAndNamesTheFile) {
  // A regular file whose first bytes cannot be read: this process's memory at address 0.
  std::string bytes;
  try {
    ReadRegularFile(QStringLiteral("/proc/self/mem"), 100, bytes);
    ADD_FAILURE() << "read " << bytes.size() << " bytes";
  } catch (const InOutError& e) {
    EXPECT_STREQ(e.what(),
                 "Не удалось прочитать «/proc/self/mem»: ошибка ввода-вывода на устройстве");
  }
}

}  // namespace
}  // namespace kalkora
#endif  // __linux__
