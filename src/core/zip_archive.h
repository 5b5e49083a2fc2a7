// Tarnell's archiver: writes standard ZIP archives (deflate through zlib,
// or stored) from a list of files and folders. Folders are always walked
// to the bottom, each folder gets its own entry (empty ones too), hidden
// and system files and folders met on the way are left out, as are the
// program's own scratch files (IsScratchName), and nothing is ever
// encrypted. A folder that cannot be listed fails the packing, as a
// file that cannot be read does. Entry names are the given names relative
// to the root folder, with "/" between the parts. Images that are
// compressed already (PNG, JPEG, GIF) are stored; everything else is
// deflated at the best level, or stored when that comes out no smaller.
//
// The archive is written to a temporary file beside it and only replaces
// the target when everything went well, so a failed packing leaves no
// half-written archive. When the target exists its entries are kept: the
// listed files replace entries of the same name (in update mode only when
// the file is newer), others are added at the end.
#pragma once

#include <string>
#include <vector>

namespace core::ziplib {

// Result codes of Archive.
enum ZipResult : int {
  kZipOk = 0,
  kZipBadArchive = 3,    // the existing archive to add to is not a readable ZIP archive
  kZipNoMemory = 4,      // out of memory
  kZipTooBig = 6,        // a file or the archive needs more than 4 GB or 65535 entries
  kZipReadError = 11,    // a file changed or could not be read while it was packed
  kZipNothingToDo = 12,  // the list of names is empty
  kZipWriteError = 14,   // the temporary archive could not be written
  kZipCreateError = 15,  // the temporary archive could not be made, or not moved to the target
  kZipBadName = 16,      // no archive name given
  kZipNameNotFound = 18, // a listed name does not exist, or a file or folder cannot be opened
};

// The archiver's print callback: text pieces (zero-terminated, length
// without the zero, at most 4000 bytes) of lines such as
// "  adding: F/pelto.ini (deflated 61%)\n". Lines are gathered and handed
// over at least every 50 ms while packing, and at the end.
using ZipPrintFn = int (*)(const char* text, unsigned long length);

struct ArchiveRequest {
  std::string zipName;             // the archive to write
  std::vector<std::string> names;  // files or folders, relative to rootDir unless absolute
  std::string rootDir;             // base folder of the names ("" = the current folder)
  bool update = false;             // replace existing entries only by newer files
  // A file never packed, as the archive itself is not: the place the
  // archive is to be moved to afterwards ("" = none).
  std::string leaveOut;
  ZipPrintFn print = nullptr;
};

int Archive(const ArchiveRequest& request);

}  // namespace core::ziplib
