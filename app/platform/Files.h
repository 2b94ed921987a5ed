// The program's one way to write a file and its one way to read one.
#pragma once

#include <QString>
#include <QtGlobal>
#include <string>
#include <string_view>

namespace kalkora {

// Writes `bytes` as the whole new content of the file at `path`. The content goes to a
// temporary file beside it, is checked and synced, and only then takes the old file's place;
// any failure leaves the old file as it was and throws InOutError with a Russian message that
// names the file and the system's reason ("…: на диске не осталось места"). Where no file can
// be created beside it (a folder the user may write files in but not add files to) an existing
// writable file is written in place, every byte checked, and put back as it was when the new
// content does not fit. A symbolic link is followed, and the file it names takes the content;
// a folder, a named pipe, a device or a socket is refused and left as it is.
void SaveFile(const QString& path, std::string_view bytes);

// What reading a file found.
enum class FileRead {
  Read,        // the bytes are the file's whole content
  CannotOpen,  // missing, not permitted, or otherwise not to be opened
  NotRegular,  // a folder, a named pipe, a device: nothing to read from without blocking
  TooLarge,    // more than the reader's limit
};

// Reads a regular file of at most `maxSize` bytes into `bytes`, never blocking on a special file
// and never reading more than the limit. An error while reading throws InOutError with a
// Russian message that names the file and the system's reason.
FileRead ReadRegularFile(const QString& path, qint64 maxSize, std::string& bytes);

}  // namespace kalkora
