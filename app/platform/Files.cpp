#include "app/platform/Files.h"

#include <QtGlobal>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>

#include "common/Errors.h"

namespace kalkora {

namespace {

[[noreturn]] void Fail(const QString& message) {
  throw InOutError(message.toStdString());
}

// Writes all of `bytes` at the device's position and makes sure they reached the disk: a short
// write, a failed flush of the buffer (a small file on a full disk fails only there) and a failed
// sync all count. Empty when everything was written, else the system's message.
QString WriteWhole(QFileDevice& file, std::string_view bytes) {
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size || !file.flush() ||
      file.error() != QFileDevice::NoError) {
    return file.errorString();
  }
#ifdef Q_OS_UNIX
  // A file system that cannot sync (EINVAL) has nothing more to write.
  if (::fsync(file.handle()) != 0 && errno != EINVAL) return qt_error_string(errno);
#endif
  return {};
}

// Writes over an existing file without a temporary one. Its old content is kept in memory and
// written back when the new content cannot be written whole, so a failed save still leaves the
// file as it was, as far as the disk allows.
void WriteInPlace(QFile& file, std::string_view bytes) {
  const QByteArray old = file.readAll();
  if (file.error() != QFileDevice::NoError) Fail(file.errorString());
  QString message = file.seek(0) ? WriteWhole(file, bytes) : file.errorString();
  if (message.isEmpty() && !file.resize(static_cast<qint64>(bytes.size()))) {
    message = file.errorString();
  }
  if (message.isEmpty()) return;
  file.unsetError();
  if (file.seek(0)) {
    WriteWhole(file, std::string_view(old.constData(), static_cast<std::size_t>(old.size())));
    file.resize(old.size());
  }
  Fail(message);
}

}  // namespace

void SaveFile(const QString& path, std::string_view bytes) {
  QSaveFile file(path);
  // Qt's own fallback truncates the old file before writing: a failure would destroy it.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) {
    // No temporary file beside it: an existing file the user may write is written in place.
    QFile existing(path);
    // Unbuffered: a failed write leaves nothing behind in a buffer to spoil putting it back.
    if (!QFileInfo(path).isFile() || !existing.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
      Fail(file.errorString());
    }
    WriteInPlace(existing, bytes);
    return;
  }
  const QString message = WriteWhole(file, bytes);
  if (!message.isEmpty()) {
    file.cancelWriting();
    Fail(message);
  }
  if (!file.commit()) Fail(file.errorString());
}

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
  const auto lastError = [] { return qt_error_string(errno); };
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
      const QString message = lastError();
      bytes.clear();
      Fail(message);
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
