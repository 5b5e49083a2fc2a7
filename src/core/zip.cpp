#include "core/zip.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "core/errors.h"
#include "core/files.h"
#include "core/messages.h"
#include "core/zip_archive.h"
#include "core/zip_extract.h"
#include "ui/app.h"
#include "ui/prompts.h"

namespace core {

namespace {

// VB's run-time errors that the classes raise besides their own.
constexpr int32_t kErrOverflow = 6;
constexpr int32_t kErrOutOfMemory = 7;
constexpr int32_t kErrSubscript = 9;
constexpr int32_t kErrAlreadyListed = kObjectErrorBase + 2001;
constexpr int32_t kErrNotListed = kObjectErrorBase + 2002;

constexpr size_t kZipPrintBuffer = 4097;
constexpr size_t kUnzipPrintBuffer = 32801;
constexpr size_t kPasswordBuffer = 257;
constexpr size_t kNameBuffer = 256;
constexpr size_t kListLine = 80;
constexpr size_t kListNameWidth = 50;

bool FitsIn16(int32_t v) { return v >= INT16_MIN && v <= INT16_MAX; }

// VB's Mid$ statement: overwrites line from column col (counted from 1)
// without making it longer.
void PutAt(std::string& line, size_t col, const std::string& text) {
  if (col - 1 >= line.size()) return;
  line.replace(col - 1, std::min(text.size(), line.size() - (col - 1)), text, 0, line.size() - (col - 1));
}

std::string TwoDigits(unsigned v) {
  char text[4];
  std::snprintf(text, sizeof text, "%02u", v % 100);
  return text;
}

// VB's Right$(Space$(width) & text, width): right-aligned, only the last
// width characters kept.
std::string RightAligned(const std::string& text, size_t width) {
  std::string padded(width, ' ');
  padded += text;
  return padded.substr(padded.size() - width);
}

}  // namespace

namespace mdlZip {

std::string gZipMessage;
std::string gUnzipMessage;
std::string gUnzipListing;
int16_t gUnzipListCount = 0;
int16_t gUnzipPasswordCancelled = 0;

int VBZip(int argc, const std::string& zipName, const ZipNames& names, const std::string& rootDir, int update,
          const std::string& leaveOut) {
  gZipMessage.clear();
  ziplib::ArchiveRequest request;
  request.zipName = zipName;
  for (int i = 0; i < argc && i < kZipNameSlots; ++i) request.names.push_back(names.zFiles[i]);
  request.rootDir = ToUpper(rootDir);
  request.update = update == 1;
  request.leaveOut = leaveOut;
  request.print = ZipPrintCallback;
  return ziplib::Archive(request);
}

int VBUnzip(const std::string& zipName, const std::string& extractDir, const UnzipFlags& flags,
            const std::string& finalDir) {
  gZipMessage.clear();
  gUnzipListing.clear();
  gUnzipMessage.clear();
  gUnzipListCount = 0;
  gUnzipPasswordCancelled = 0;

  ziplib::UnzipOptions dcl;
  dcl.extractOnlyNewer = flags.extractOnlyNewer;
  dcl.spaceToUnderscore = flags.spaceToUnderScore;
  dcl.promptToOverwrite = flags.promptOverwrite;
  dcl.quiet = flags.messageLevel;
  dcl.toStdOut = flags.writeToStdOut;
  dcl.test = flags.testZip;
  dcl.list = flags.extractList;
  dcl.freshen = flags.extractNewer;
  dcl.comment = flags.displayComment;
  dcl.honorDirectories = flags.honorDirectories;
  dcl.overwrite = flags.overWriteFiles;
  dcl.convertLineEnds = flags.convertCRtoCRLF;
  dcl.zipInfo = flags.verbose;
  dcl.caseSensitive = flags.caseSensitive;
  dcl.privilege = flags.privilege;
  dcl.zipName = zipName;
  dcl.extractDir = extractDir;
  dcl.finalDir = finalDir;

  ziplib::UnzipCallbacks user;
  user.print = UnzipPrintCallback;
  user.replace = UnzipOverwriteCallback;
  user.password = UnzipPasswordCallback;
  user.list = UnzipListCallback;
  user.service = UnzipServiceCallback;
  try {
    return ziplib::Extract(dcl, user);
  } catch (const AppError& e) {
    throw AppError(e.Number(), "CodeModule::VBUnzip", e.Description());
  }
}

int ZipPrintCallback(const char* text, unsigned long length) {
  if (text) gZipMessage.append(text, strnlen(text, std::min<size_t>(length, kZipPrintBuffer)));
  ui::DoEvents();
  return 0;
}

int UnzipPrintCallback(const char* text, unsigned long length) {
  if (!text) return 0;
  std::string piece(text, strnlen(text, std::min<size_t>(length, kUnzipPrintBuffer)));
  if (!piece.empty() && piece[0] == '\n') piece = "\r\n";
  gUnzipMessage += piece;
  gZipMessage = gUnzipMessage;
  return 0;
}

int UnzipServiceCallback(const char*, unsigned long long) { return 0; }

int UnzipPasswordCallback(char* password, int size, const char*, const char*) {
  const int noPassword = 1;
  if (gUnzipPasswordCancelled == 1) return noPassword;
  ui::InputBoxRequest request;
  request.prompt = "Please Enter The Password!";
  request.title = MessageTitle();
  // Modal to the window that asked for the extraction.
  request.owner = GetActiveWindow();
  std::optional<std::string> answer = ui::Prompts().InputBox(request);
  if (!answer || answer->empty()) {
    gUnzipPasswordCancelled = 1;
    return noPassword;
  }
  if (!password || size <= 0) return noPassword;
  size_t room = std::min<size_t>(static_cast<size_t>(size), kPasswordBuffer);
  std::memset(password, 0, room);
  std::memcpy(password, answer->data(), std::min(answer->size(), room - 1));
  return 0;
}

int UnzipOverwriteCallback(char* name, unsigned nameSize) {
  std::string file = name ? std::string(name, strnlen(name, std::min<size_t>(nameSize, kNameBuffer))) : std::string();
  int button = ui::MsgBox("Overwrite " + file + "?", MB_YESNOCANCEL | MB_ICONWARNING, "VBUnZip32 - File Already Exists!");
  if (button == IDYES) return ziplib::kReplaceYes;
  if (button == IDCANCEL) return ziplib::kReplaceNone;
  return ziplib::kReplaceNo;
}

void UnzipListCallback(uint64_t size, uint64_t, unsigned, unsigned month, unsigned day, unsigned year, unsigned hour,
                       unsigned minute, char, const char* name, const char*, unsigned long, char) {
  if (gUnzipListCount == 0) {
    std::string header(kListLine, ' ');
    PutAt(header, 1, "Filename:");
    PutAt(header, 53, "Size");
    PutAt(header, 62, "Date");
    PutAt(header, 71, "Time");
    gUnzipListing = header + "\r\n";
  }
  std::string line(kListLine, ' ');
  std::string entry = name ? std::string(name, strnlen(name, kNameBuffer)) : std::string();
  PutAt(line, 1, entry.substr(0, kListNameWidth));
  PutAt(line, 51, RightAligned(std::to_string(size), 7));
  PutAt(line, 60, TwoDigits(month) + "/");
  PutAt(line, 63, TwoDigits(day) + "/");
  PutAt(line, 66, TwoDigits(year));
  PutAt(line, 70, RightAligned(std::to_string(hour), 2) + ":");
  PutAt(line, 73, TwoDigits(minute));
  gUnzipListing += line + "\r\n";
  if (gUnzipListCount < INT16_MAX) ++gUnzipListCount;
}

}  // namespace mdlZip

void clsZip::AddFile(std::string sFileName) {
  for (const auto& f : files_)
    if (EqualsNoCase(f, sFileName)) throw AppError(kErrAlreadyListed, "CGZip::AddFile", "File is already in Zip List");
  files_.push_back(std::move(sFileName));
}

void clsZip::RemoveFile(std::string sFileName) {
  auto it = std::find_if(files_.begin(), files_.end(), [&](const std::string& f) { return EqualsNoCase(f, sFileName); });
  if (it == files_.end()) throw AppError(kErrNotListed, "CGZip::RemoveFile", "File is not in Zip List");
  files_.erase(it);
}

int32_t clsZip::MakeZipFile() {
  const char* source = "CGZipFiles::MakeZipFile";
  try {
    mdlZip::ZipNames names;
    for (size_t i = 0; i < files_.size(); ++i) {
      if (i >= static_cast<size_t>(mdlZip::kZipNameSlots)) throw AppError(kErrSubscript, source, "Subscript out of range");
      names.zFiles[i] = files_[i];
    }
    return mdlZip::VBZip(ZipFileCount(), zipFileName_, names, rootDirectory_, updatingZip_, leaveOut_);
  } catch (const AppError& e) {
    throw AppError(e.Number(), source, e.Description());
  } catch (const std::bad_alloc&) {
    throw AppError(kErrOutOfMemory, source, "Out of memory");
  }
}

std::string clsZip::GetLastMessage() const { return mdlZip::gZipMessage; }

int32_t clsUnzip::Unzip(const std::string& sZipFileName, const std::string& sExtractDir) {
  const char* source = "CGUnZipFiles::Unzip";
  try {
    if (!sZipFileName.empty()) zipFileName_ = sZipFileName;
    if (!sExtractDir.empty()) extractDir_ = sExtractDir;
    if (!FitsIn16(messageLevel_) || !FitsIn16(extractList_) || !FitsIn16(privilege_))
      throw AppError(kErrOverflow, source, "Overflow");
    mdlZip::UnzipFlags flags;
    flags.extractNewer = extractNewer_;
    flags.spaceToUnderScore = spaceToUnderScore_;
    flags.promptOverwrite = promptOverwrite_;
    flags.messageLevel = static_cast<int16_t>(messageLevel_);
    flags.writeToStdOut = writeToStdOut_;
    flags.testZip = testZip_;
    flags.extractList = static_cast<int16_t>(extractList_);
    flags.extractOnlyNewer = extractOnlyNewer_;
    flags.displayComment = displayComment_;
    flags.honorDirectories = honorDirectories_;
    flags.overWriteFiles = overWriteFiles_;
    flags.convertCRtoCRLF = convertCRtoCRLF_;
    flags.verbose = verbose_;
    flags.caseSensitive = caseSensitive_;
    flags.privilege = static_cast<int16_t>(privilege_);
    return mdlZip::VBUnzip(zipFileName_, extractDir_, flags, finalDir_);
  } catch (const AppError& e) {
    throw AppError(e.Number(), source, e.Description());
  } catch (const std::bad_alloc&) {
    throw AppError(kErrOutOfMemory, source, "Out of memory");
  }
}

std::string clsUnzip::GetLastMessage() const { return mdlZip::gZipMessage; }

}  // namespace core
