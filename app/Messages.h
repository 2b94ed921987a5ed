// The Russian words of the error report. The core raises its errors in the platform's English
// messages; this table is the one place that turns them, and the system's file errors, into the
// texts the window shows.
#pragma once

#include <QString>
#include <exception>

namespace kalkora {

// What the error report says for `error` (no full stop: ReportError adds it by its rule). The
// core's errors and std::bad_alloc come out in Russian, with a field text quoted by QuotedText;
// any other message, such as the window's own Russian ones, comes out as it is.
QString ReportedText(const std::exception& error);

// `text` in «», safe to put in a message: at most about kQuotedLength characters, then "…";
// control characters and invisible or direction-changing formatting characters are written
// as <U+XXXX>, so that a pasted character can neither hide nor turn round the rest of the text.
QString QuotedText(const QString& text);
inline constexpr int kQuotedLength = 40;

// A file's path in «», escaped like QuotedText; a long one keeps its start and its file name
// and leaves out the middle.
QString QuotedPath(const QString& path);

// Why a file operation failed, for the system's error number `error`, beginning in lower case
// so that it can follow a colon: "на диске не осталось места".
QString FileErrorText(int error);

}  // namespace kalkora
