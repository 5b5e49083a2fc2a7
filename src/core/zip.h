// ZIP packing and unpacking for the rest of the program: clsZip packs a
// list of files or folders into a new archive, clsUnzip extracts a whole
// archive into a folder, and mdlZip fills the option records, supplies
// the callbacks through which the archiver and the extractor report and
// ask, and calls them.
//
// A skin is packed with RootDirectory set to the project folder's parent
// (ending in "\") and the project folder's own name added, so that every
// entry name begins with that name and "/" (F/pelto.ini). Packing always
// recurses into folders, writes an entry for every folder, empty ones too,
// leaves hidden and system files out and never encrypts.
//
// Result codes: 0 is success. MakeZipFile returns the archiver's codes
// (ziplib::ZipResult in core/zip_archive.h), Unzip the extractor's
// (ziplib::UnzipResult in core/zip_extract.h), in short:
//   packing    3 existing archive unreadable, 4 out of memory, 6 over 4 GB,
//              11 read error, 12 nothing to pack, 14 write error,
//              15 cannot create the archive, 16 no archive name,
//              18 a listed name is missing or cannot be opened;
//   unpacking  1 an entry was refused for its name (one that would leave
//              the target folder, that the ANSI code page cannot hold as
//              it stands, or that names the same file as an earlier
//              entry), 2 damaged archive or CRC error, 4 out of
//              memory, 9 archive missing or not a ZIP archive, 50 cannot
//              write (also a path too long, or files that do not fit on
//              the drive), 80 stopped, 81 unsupported method, encryption
//              or version, 82 encrypted entry skipped (no or wrong
//              password).
// Encrypted entries (traditional PKWARE encryption) are read; the
// password is asked with an input box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace core {

namespace mdlZip {

// The text the archiver or extractor printed during the last packing or
// unpacking; GetLastMessage of either class returns it.
extern std::string gZipMessage;
// The unpacking print text being gathered (gZipMessage follows it).
extern std::string gUnzipMessage;
// The listing built while an archive is listed (clsUnzip ExtractList 1).
extern std::string gUnzipListing;
extern int16_t gUnzipListCount;
// 1 once the user declined to give a password during this extraction.
extern int16_t gUnzipPasswordCancelled;

// The archiver's names record.
inline constexpr int kZipNameSlots = 100;
struct ZipNames {
  std::string zFiles[kZipNameSlots];
};

// The packing call sequence: names relative to rootDir into zipName,
// leaving the file leaveOut out ("" = none).
int VBZip(int argc, const std::string& zipName, const ZipNames& names, const std::string& rootDir, int update,
          const std::string& leaveOut);

// The options of one extraction, in the order clsUnzip declares them;
// the three counts are the extractor's 16-bit fields.
struct UnzipFlags {
  int extractNewer = 0;
  int spaceToUnderScore = 0;
  int promptOverwrite = 0;
  int16_t messageLevel = 2;
  int writeToStdOut = 0;
  int testZip = 0;
  int16_t extractList = 0;
  int extractOnlyNewer = 0;
  int displayComment = 0;
  int honorDirectories = 1;
  int overWriteFiles = 1;
  int convertCRtoCRLF = 0;
  int verbose = 0;
  int caseSensitive = 1;
  int16_t privilege = 0;
};

// The extraction call sequence: the whole archive into extractDir, every
// path fitting below finalDir as well ("" = none).
int VBUnzip(const std::string& zipName, const std::string& extractDir, const UnzipFlags& flags,
            const std::string& finalDir);

// The archiver's callback.
int ZipPrintCallback(const char* text, unsigned long length);
// The extractor's callbacks.
int UnzipPrintCallback(const char* text, unsigned long length);
int UnzipServiceCallback(const char* name, unsigned long long size);
int UnzipPasswordCallback(char* password, int size, const char* prompt, const char* name);
int UnzipOverwriteCallback(char* name, unsigned nameSize);
void UnzipListCallback(uint64_t size, uint64_t compressedSize, unsigned factor, unsigned month, unsigned day,
                       unsigned year, unsigned hour, unsigned minute, char kind, const char* name,
                       const char* method, unsigned long crc, char encrypted);

}  // namespace mdlZip

// Packs a list of files or folders into a new archive.
class clsZip {
 public:
  const std::string& ZipFileName() const { return zipFileName_; }
  void SetZipFileName(const std::string& v) { zipFileName_ = v; }
  const std::string& RootDirectory() const { return rootDirectory_; }
  void SetRootDirectory(const std::string& v) { rootDirectory_ = v; }
  bool UpdatingZip() const { return updatingZip_ == 1; }
  void SetUpdatingZip(bool v) { updatingZip_ = v ? 1 : 0; }
  // Stored and returned only: packing always recurses, never encrypts and
  // always leaves hidden and system files out.
  bool RecurseFolders() const { return recurseFolders_ == 1; }
  void SetRecurseFolders(bool v) { recurseFolders_ = v ? 1 : 0; }
  bool Encrypted() const { return encrypted_ == 1; }
  void SetEncrypted(bool v) { encrypted_ = v ? 1 : 0; }
  bool IncludeSystemFiles() const { return includeSystemFiles_ == 1; }
  void SetIncludeSystemFiles(bool v) { includeSystemFiles_ = v ? 1 : 0; }
  int32_t ZipFileCount() const { return static_cast<int32_t>(files_.size()); }
  // A file that is never packed ("" = none): the archive's final place,
  // when that lies among the files packed.
  const std::string& LeaveOut() const { return leaveOut_; }
  void SetLeaveOut(const std::string& v) { leaveOut_ = v; }

  // Appends a name, relative to RootDirectory; a name already listed
  // (without regard to case) raises kObjectErrorBase + 2001.
  void AddFile(std::string sFileName);
  // Removes a name; one not listed raises kObjectErrorBase + 2002.
  void RemoveFile(std::string sFileName);
  // Writes the archive; 0 on success. More than 100 names raise error 9.
  int32_t MakeZipFile();
  std::string GetLastMessage() const;

 private:
  std::string zipFileName_;
  std::string rootDirectory_ = "\\";
  int updatingZip_ = 0;
  int recurseFolders_ = 0;
  int encrypted_ = 0;
  int includeSystemFiles_ = 0;
  std::vector<std::string> files_;
  std::string leaveOut_;
};

// Extracts a whole archive into a folder.
class clsUnzip {
 public:
  bool ExtractNewer() const { return extractNewer_ == 1; }
  void SetExtractNewer(bool v) { extractNewer_ = v ? 1 : 0; }
  bool SpaceToUnderScore() const { return spaceToUnderScore_ == 1; }
  void SetSpaceToUnderScore(bool v) { spaceToUnderScore_ = v ? 1 : 0; }
  bool PromptOverwrite() const { return promptOverwrite_ == 1; }
  void SetPromptOverwrite(bool v) { promptOverwrite_ = v ? 1 : 0; }
  int32_t MessageLevel() const { return messageLevel_; }
  void SetMessageLevel(int32_t v) { messageLevel_ = v; }
  bool WriteToStdOut() const { return writeToStdOut_ == 1; }
  void SetWriteToStdOut(bool v) { writeToStdOut_ = v ? 1 : 0; }
  bool TestZip() const { return testZip_ == 1; }
  void SetTestZip(bool v) { testZip_ = v ? 1 : 0; }
  int32_t ExtractList() const { return extractList_; }
  void SetExtractList(int32_t v) { extractList_ = v; }
  bool ExtractOnlyNewer() const { return extractOnlyNewer_ == 1; }
  void SetExtractOnlyNewer(bool v) { extractOnlyNewer_ = v ? 1 : 0; }
  bool DisplayComment() const { return displayComment_ == 1; }
  void SetDisplayComment(bool v) { displayComment_ = v ? 1 : 0; }
  bool HonorDirectories() const { return honorDirectories_ == 1; }
  void SetHonorDirectories(bool v) { honorDirectories_ = v ? 1 : 0; }
  bool OverWriteFiles() const { return overWriteFiles_ == 1; }
  void SetOverWriteFiles(bool v) { overWriteFiles_ = v ? 1 : 0; }
  bool ConvertCRtoCRLF() const { return convertCRtoCRLF_ == 1; }
  void SetConvertCRtoCRLF(bool v) { convertCRtoCRLF_ = v ? 1 : 0; }
  bool Verbose() const { return verbose_ == 1; }
  void SetVerbose(bool v) { verbose_ = v ? 1 : 0; }
  bool CaseSensitive() const { return caseSensitive_ == 1; }
  void SetCaseSensitive(bool v) { caseSensitive_ = v ? 1 : 0; }
  int32_t Privilege() const { return privilege_; }
  void SetPrivilege(int32_t v) { privilege_ = v; }
  const std::string& ZipFileName() const { return zipFileName_; }
  void SetZipFileName(const std::string& v) { zipFileName_ = v; }
  const std::string& ExtractDir() const { return extractDir_; }
  void SetExtractDir(const std::string& v) { extractDir_ = v; }
  // Where the extracted files will be moved to afterwards ("" = they
  // stay): a file whose path would be too long there is not written.
  const std::string& FinalDir() const { return finalDir_; }
  void SetFinalDir(const std::string& v) { finalDir_ = v; }

  // Extracts ZipFileName into ExtractDir; a non-empty argument replaces
  // the property first. 0 on success. MessageLevel, ExtractList or
  // Privilege outside the 16-bit range raise the overflow error 6.
  int32_t Unzip(const std::string& sZipFileName = "", const std::string& sExtractDir = "");
  std::string GetLastMessage() const;

 private:
  int extractNewer_ = 0;
  int spaceToUnderScore_ = 0;
  int promptOverwrite_ = 0;
  int32_t messageLevel_ = 2;
  int writeToStdOut_ = 0;
  int testZip_ = 0;
  int32_t extractList_ = 0;
  int extractOnlyNewer_ = 0;
  int displayComment_ = 0;
  int honorDirectories_ = 1;
  int overWriteFiles_ = 1;
  int convertCRtoCRLF_ = 0;
  int verbose_ = 0;
  int caseSensitive_ = 1;
  int32_t privilege_ = 0;
  std::string zipFileName_;
  std::string extractDir_;
  std::string finalDir_;
};

}  // namespace core
