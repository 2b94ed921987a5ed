// The one save routine and the one reader on real file systems: a full disk, read-only folders,
// special files.
// Real file systems are mounted and permissions dropped the Linux way: Linux only.
#ifdef __linux__
#include "app/platform/Files.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
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
  SmallDisk() {
    if (::mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, "size=16k") ==
        0) {
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

const std::string kOld(2000, 'o');
const std::string kNew(13150, 'n');  // the default graph's size

TEST(SaveFileTest, AFullDiskKeepsTheOldFileAndSaysSo) {
  SmallDisk disk;
  if (!disk.Mounted()) GTEST_SKIP() << "cannot mount a small tmpfs here: " << disk.Reason();
  const QString name = disk.File(QStringLiteral("g.grf"));
  Put(name, kOld);
  const std::string message = Save(name, kNew);
  EXPECT_NE(message, "saved");
  EXPECT_FALSE(message.empty());
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
  EXPECT_NE(tooBig, "saved");
  EXPECT_TRUE(oldContentBack);
  EXPECT_EQ(fits, "saved");
  EXPECT_EQ(shorter, "saved");
  EXPECT_EQ(Content(shared), "short");
  EXPECT_NE(newFile, "saved");
  EXPECT_NE(notWritable, "saved");
  EXPECT_TRUE(Content(readOnly) == kOld);
  EXPECT_EQ(disk.Files(),
            (QStringList{QStringLiteral("read-only.grf"), QStringLiteral("shared.grf")}));
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

}  // namespace
}  // namespace kalkora
#endif  // __linux__
