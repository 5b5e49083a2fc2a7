// Tarnell's extractor: reads standard ZIP archives (stored or deflated
// entries, with or without data descriptors, ZIP64 sizes, traditional
// PKWARE encryption) and extracts, tests or lists them.
//
// Nothing is ever written outside the target folder: an entry whose name
// holds a ".." part, a drive letter or any ":", starts with "/" or "\", or
// names a device (CON, NUL, COM1, COM¹ ...) is refused and skipped; a
// folder entry naming the target folder itself ("./") is passed over. No
// file is written under another name than its own either: an entry whose
// name the ANSI code page cannot hold as it stands, or one naming the same
// file as an earlier entry (without regard to case), is refused. A
// damaged archive gives a result code, never a read outside the file; a
// file whose data fails its CRC or does not inflate is deleted again, so it
// is never left looking complete. Extracted files get their modification
// times back.
//
// No archive can make more of itself than it declares: an archive whose
// files declare more bytes than the target drive has free is refused before
// anything is written, an entry stops the moment its output passes its
// declared size, and entries whose data overlaps another entry's are
// refused. An entry whose local header disagrees with its central entry
// (name, method, encryption, or sizes and CRC when no data descriptor
// follows) is damaged and not written.
#pragma once

#include <cstdint>
#include <string>

namespace core::ziplib {

// Result codes of Extract; when several things go wrong the highest wins.
enum UnzipResult : int {
  kUnzipOk = 0,
  kUnzipUnsafeName = 1,    // an entry was refused for its name: it would leave the target folder, cannot
                           // be written as it stands, or names the same file as an earlier entry
  kUnzipCorrupt = 2,       // damaged archive: bad headers, truncated data, bad compressed data, CRC error
  kUnzipNoMemory = 4,      // out of memory
  kUnzipNotArchive = 9,    // no archive name, archive missing or unreadable, or not a ZIP archive
  kUnzipWriteError = 50,   // a folder or file could not be created or written, a path is too long,
                           // or the archive's files do not fit on the target drive
  kUnzipAborted = 80,      // the service callback asked to stop
  kUnzipUnsupported = 81,  // an entry uses a method, encryption or version Tarnell cannot read, or a split archive
  kUnzipBadPassword = 82,  // an encrypted entry was skipped: no password, a wrong one, or its data does not decode
};

// Answers of the overwrite callback.
inline constexpr int kReplaceNo = 100;    // keep this file
inline constexpr int kReplaceYes = 102;   // overwrite this file
inline constexpr int kReplaceAll = 103;   // overwrite this and every later file without asking
inline constexpr int kReplaceNone = 104;  // overwrite no file, without asking again

// The extractor's callbacks; text arrives as zero-terminated ANSI bytes.
// print: a piece of message text (lines end in a separate "\n" piece).
using UnzipPrintFn = int (*)(const char* text, unsigned long length);
// replace: asked for an existing file while overwriting is not allowed;
// the name is the file's path; answers one of the kReplace codes.
using UnzipReplaceFn = int (*)(char* name, unsigned nameSize);
// password: fills buffer (size bytes) and answers 0, or answers non-zero
// for no password.
using UnzipPasswordFn = int (*)(char* buffer, int size, const char* prompt, const char* entryName);
// listing: one call per entry while listing (size, compressed size,
// compression factor in per cent, month, day, year, hour, minute, 't' for
// a text entry else 'b', name, method, CRC, 'E' when encrypted else ' ').
using UnzipListFn = void (*)(uint64_t size, uint64_t compressedSize, unsigned factor, unsigned month, unsigned day,
                             unsigned year, unsigned hour, unsigned minute, char kind, const char* name,
                             const char* method, unsigned long crc, char encrypted);
// service: called before each entry with its name and size; non-zero stops.
using UnzipServiceFn = int (*)(const char* name, unsigned long long size);

struct UnzipCallbacks {
  UnzipPrintFn print = nullptr;
  UnzipReplaceFn replace = nullptr;
  UnzipPasswordFn password = nullptr;
  UnzipListFn list = nullptr;
  UnzipServiceFn service = nullptr;
};

// The extraction options, Booleans as 1 or 0.
struct UnzipOptions {
  int extractOnlyNewer = 0;   // only files that are new or newer than the file on disk, no questions
  int spaceToUnderscore = 0;  // blanks in names become "_"
  int promptToOverwrite = 0;  // accepted; whether to ask depends on overwrite alone
  int quiet = 2;              // 0 every message, 1 only warnings and errors and the test summary, 2 only errors
  int toStdOut = 0;           // file contents go to the print callback instead of files
  int test = 0;               // check every entry's data, write nothing
  int list = 0;               // non-zero: report entries to the listing callback, write nothing
  int freshen = 0;            // only files that exist and are older than the entry
  int comment = 0;            // print the archive comment, nothing else
  int honorDirectories = 1;   // recreate the archive's folders, else everything goes flat into the target
  int overwrite = 1;          // overwrite existing files; else ask the replace callback
  int convertLineEnds = 0;    // text entries get CR LF line ends
  int zipInfo = 0;            // print one line of information per entry, nothing else
  int caseSensitive = 1;      // matching of name lists; every entry is extracted, so it changes nothing
  int privilege = 0;          // access lists; archives carry none that Tarnell reads
  std::string zipName;
  std::string extractDir;     // "" = the current folder; made when missing
  std::string finalDir;       // where the files will be moved to afterwards ("" = nowhere): every path
                              // must fit below it as well
};

int Extract(const UnzipOptions& options, const UnzipCallbacks& callbacks);

}  // namespace core::ziplib
