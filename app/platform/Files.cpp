#include "app/platform/Files.h"

#include <QtGlobal>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <utility>

#include "app/Messages.h"
#include "common/Errors.h"

namespace kalkora {

namespace {

[[noreturn]] void Fail(const QString& message) {
  throw InOutError(message.toStdString());
}

[[noreturn]] void SaveFailed(const QString& path, const QString& reason) {
  Fail(QStringLiteral("Не удалось сохранить ") + QuotedPath(path) + QStringLiteral(": ") + reason);
}

// Where the save writes: a symbolic link is followed to the file it names, which takes the new
// content while the link stays, as QSaveFile does it; a link that never ends is itself the place.
QString SaveTarget(const QString& path) {
  QFileInfo info(path);
  for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
    info.setFile(info.symLinkTarget());
  return info.isSymLink() ? path : info.filePath();
}

#ifdef Q_OS_UNIX

// An open file, closed when it goes.
class Handle {
 public:
  explicit Handle(int handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ >= 0) ::close(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  int get() const { return handle_; }
  // Closes it now: 0, or the error that closing reported (some file systems write only then).
  int Close() {
    const int handle = std::exchange(handle_, -1);
    return handle < 0 || ::close(handle) == 0 ? 0 : errno;
  }

 private:
  int handle_;
};

// Writes all of `bytes` from `offset` on: 0, or the error number of the write that failed. A
// disk that fills up takes part of a write and refuses the rest, so every byte is checked.
int WriteAll(int handle, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t wrote = ::pwrite(handle, bytes.data(), bytes.size(), offset);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return errno;
    if (wrote == 0) return ENOSPC;
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
    offset += wrote;
  }
  return 0;
}

// Makes sure the content reached the disk; a file system that cannot sync (EINVAL) has nothing
// more to write.
int Sync(int handle) {
  return ::fsync(handle) == 0 || errno == EINVAL ? 0 : errno;
}

// Why something other than a regular file cannot take the content.
QString NotRegularText(mode_t mode) {
  if (S_ISDIR(mode)) return FileErrorText(EISDIR);
  if (S_ISFIFO(mode)) return QStringLiteral("это не обычный файл, а именованный канал");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return QStringLiteral("это не обычный файл, а устройство");
  if (S_ISSOCK(mode)) return QStringLiteral("это не обычный файл, а сокет");
  return QStringLiteral("это не обычный файл");
}

// Creates a new file beside `target`, named after it, for the new content: its handle, or -1
// with errno set. A file that is to replace an existing one starts private and gets the old
// one's permissions before it takes its place.
int CreateBeside(const QByteArray& target, bool replacing, QByteArray& name) {
  for (int attempt = 0; attempt < 64; ++attempt) {
    name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
    const int handle =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
    if (handle >= 0 || errno != EEXIST) return handle;
  }
  return -1;
}

// Reads the whole of an open file: 0, or the error number of the read that failed.
int ReadAll(int handle, std::string& bytes) {
  bytes.clear();
  char buffer[65536];
  for (off_t offset = 0;;) {
    const ssize_t got = ::pread(handle, buffer, sizeof buffer, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) return 0;
    bytes.append(buffer, static_cast<std::size_t>(got));
    offset += got;
  }
}

// Writes over an existing file without a temporary one. Its old content is kept in memory and
// written back when the new content cannot be written whole, so a failed save still leaves the
// file as it was, as far as the disk allows.
void WriteInPlace(const QString& path, const QByteArray& target, std::string_view bytes) {
  Handle file(::open(target.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) SaveFailed(path, FileErrorText(errno));
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) SaveFailed(path, FileErrorText(errno));
  if (!S_ISREG(status.st_mode)) SaveFailed(path, NotRegularText(status.st_mode));
  std::string old;
  if (const int error = ReadAll(file.get(), old); error != 0) {
    SaveFailed(path, FileErrorText(error));
  }
  int error = WriteAll(file.get(), bytes, 0);
  if (error == 0 && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0) error = errno;
  if (error == 0) error = Sync(file.get());
  if (error == 0) return;
  if (WriteAll(file.get(), old, 0) == 0) {
    ::ftruncate(file.get(), static_cast<off_t>(old.size()));
    Sync(file.get());
  }
  SaveFailed(path, FileErrorText(error));
}

#else

// Writes all of `bytes` at the device's position and makes sure they reached the disk: a short
// write and a failed flush of the buffer (a small file on a full disk fails only there) count.
// Empty when everything was written, else the system's message.
QString WriteWhole(QFileDevice& file, std::string_view bytes) {
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush() ||
      file.error() != QFileDevice::NoError) {
    return file.errorString();
  }
  return {};
}

#endif

}  // namespace

#ifdef Q_OS_UNIX

void SaveFile(const QString& path, std::string_view bytes) {
  const QByteArray target = QFile::encodeName(SaveTarget(path));
  struct stat old {};
  const bool exists = ::stat(target.constData(), &old) == 0;
  if (!exists && errno != ENOENT) SaveFailed(path, FileErrorText(errno));
  // A named pipe, a device or a folder is not the user's file to be replaced.
  if (exists && !S_ISREG(old.st_mode)) SaveFailed(path, NotRegularText(old.st_mode));
  if (exists && ::access(target.constData(), W_OK) != 0) SaveFailed(path, FileErrorText(errno));
  QByteArray temporary;
  Handle file(CreateBeside(target, exists, temporary));
  if (file.get() < 0) {
    const int error = errno;
    // No file can be made beside it: an existing file the user may write is written in place.
    if (!exists) SaveFailed(path, FileErrorText(error));
    WriteInPlace(path, target, bytes);
    return;
  }
  int error = WriteAll(file.get(), bytes, 0);
  if (error == 0 && exists) ::fchmod(file.get(), old.st_mode & 07777);
  if (error == 0) error = Sync(file.get());
  if (error == 0) error = file.Close();
  if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
  if (error != 0) {
    file.Close();
    ::unlink(temporary.constData());
    SaveFailed(path, FileErrorText(error));
  }
}

#else

void SaveFile(const QString& path, std::string_view bytes) {
  if (const QFileInfo target(SaveTarget(path)); target.exists() && !target.isFile()) {
    SaveFailed(path, QStringLiteral("это не обычный файл"));
  }
  QSaveFile file(path);
  // Qt's own fallback truncates the old file before writing: a failure would destroy it.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) SaveFailed(path, file.errorString());
  const QString message = WriteWhole(file, bytes);
  if (!message.isEmpty()) {
    file.cancelWriting();
    SaveFailed(path, message);
  }
  if (!file.commit()) SaveFailed(path, file.errorString());
}

#endif

FileRead ReadRegularFile(const QString& path, qint64 maxSize, std::string& bytes) {
  bytes.clear();
#ifdef Q_OS_UNIX
  // Without O_NONBLOCK, opening a named pipe would wait for a writer for ever; the checks are
  // made on what was opened, so nothing can be swapped in between.
  const int handle =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (handle < 0) return FileRead::CannotOpen;
  struct Closer {
    int handle;
    ~Closer() { ::close(handle); }
  } closer{handle};
  struct stat status {};
  if (::fstat(handle, &status) != 0) return FileRead::CannotOpen;
  if (!S_ISREG(status.st_mode)) return FileRead::NotRegular;
  const qint64 size = status.st_size;
  const auto readSome = [handle](char* into, std::size_t length) -> qint64 {
    for (;;) {
      const ssize_t got = ::read(handle, into, length);
      if (got >= 0 || errno != EINTR) return got;
    }
  };
  const auto lastError = [] { return FileErrorText(errno); };
#else
  const QFileInfo info(path);
  if (!info.exists()) return FileRead::CannotOpen;
  if (!info.isFile()) return FileRead::NotRegular;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return FileRead::CannotOpen;
  const qint64 size = file.size();
  const auto readSome = [&file](char* into, std::size_t length) -> qint64 {
    return file.read(into, static_cast<qint64>(length));
  };
  const auto lastError = [&file] { return file.errorString(); };
#endif
  if (size > maxSize) return FileRead::TooLarge;
  // The file may grow while it is read: one byte beyond the limit is enough to tell.
  bytes.resize(static_cast<std::size_t>(size) + 1);
  std::size_t total = 0;
  for (;;) {
    if (total == bytes.size()) {
      if (static_cast<qint64>(total) > maxSize) break;
      bytes.resize(std::min<std::size_t>(2 * total, static_cast<std::size_t>(maxSize) + 1));
    }
    const qint64 got = readSome(bytes.data() + total, bytes.size() - total);
    if (got < 0) {
      const QString reason = lastError();
      bytes.clear();
      Fail(QStringLiteral("Не удалось прочитать ") + QuotedPath(path) + QStringLiteral(": ") +
           reason);
    }
    if (got == 0) break;
    total += static_cast<std::size_t>(got);
  }
  bytes.resize(total);
  if (static_cast<qint64>(total) > maxSize) {
    bytes.clear();
    return FileRead::TooLarge;
  }
  return FileRead::Read;
}

}  // namespace kalkora
