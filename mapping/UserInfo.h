#pragma once
// One line of the passwd or group mapping file: an account name and its UNIX ID.
#include <string>

class LinePieces;

class CUserInfo {
 public:
  std::string m_strName;  // the key of the record; may be empty
  std::string m_strId;    // UID or GID as text, never converted to a number

  // Reads the next line of a mapping file read whole into this record. False at
  // the end of the file, or at an empty line, which ends the reading of the file.
  bool ReadLine(LinePieces& lines);
};
