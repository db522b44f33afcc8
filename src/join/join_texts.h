// Every text the join engine shows or writes. The wording is the program's own voice; front ends
// show these strings unchanged.
#pragma once

#include <string>

namespace cordwain {

inline constexpr const char kOutputOpenFailedText[] = "Sorry; the output file could not be opened.\n"
                                                      "Check the permissions and make sure the file\n"
                                                      "hasn't already been opened by another application.";
inline constexpr const char kOutputOpenFailedCaption[] = "Oh, no!";

// Refusal of an output that is one of the files to be joined.
inline constexpr const char kOutputInListText[] = "Sorry.  The file you're writing to is in the list\n"
                                                  "of files to be joined.  That doesn't seem right.\n"
                                                  "Although it might work, I've decided to stop before\n"
                                                  "I break something you might not need broken.";
inline constexpr const char kOutputInListCaption[] = "Oh, no!";

// The question before a join of pieces that look wrong.
inline constexpr const char kPieceCheckCaption[] = "Hold on...";

inline std::string UnlistedPieceFinding(const std::string& name)
{
    return name + " is in the same folder but not in the list";
}

inline std::string MoreFindingsLine(std::size_t count) { return "...and " + std::to_string(count) + " more.\n"; }

inline std::string PieceCheckQuestion(const std::string& lines)
{
    return "Before I join these pieces, you should know:\n\n" + lines +
           "\nThe new file may not come out right.  Join them anyway?";
}

// A join checked against the checksum published beside the pieces.
inline std::string ChecksumMatchLine(const std::string& hashName, const std::string& checksumName)
{
    return hashName + " matches " + checksumName + ".";
}

inline constexpr const char kChecksumMismatchCaption[] = "Oh, no!";

inline std::string ChecksumMismatchText(const std::string& checksumName, const std::string& hashName,
                                        const std::string& published, const std::string& joined)
{
    return "Sorry.  The joined file doesn't match its checksum.\n\n" + checksumName + " gives the " + hashName + "\n" +
           published + ",\nbut the joined file's is\n" + joined +
           ".\n\nI left the joined file where it is.  One of the pieces may be damaged.";
}

inline constexpr const char kReportCaption[] = "Well...";
inline constexpr const char kReportHeader[] = "Trying to copy all the files, these errors occurred:\n\n";
inline constexpr const char kReportFooter[] = "\n\nSorry it didn't turn out.  I did what I could.";

inline std::string OpenFailureEntry(const std::string& path) { return "\nCould not open " + path; }

inline std::string ReadFailureEntry(const std::string& path) { return "\nCould not read " + path + " to the end."; }

inline std::string WriteFailureEntry(const std::string& path)
{
    return "\nI was trying to copy the content of this little jewel:\n[" + path +
           "].\nThe attempt to write to the output file failed.  There are a number of reasons this can "
           "happen,\nbut a common one is that you don't have enough free disk space.  I didn't try to "
           "copy any more files.\n";
}

inline std::string ErrorReportText(const std::string& errorLog) { return kReportHeader + errorLog + kReportFooter; }

// The block written ahead of each file when dividers are on: path.size() + 81 bytes.
inline std::string DividerBlock(const std::string& path)
{
    return "\nFILE: " + path + "\n" + std::string(72, '-') + "\n";
}

}  // namespace cordwain
