#include "tools/nfsctl/MappingCheck.h"

#include <map>
#include <optional>

#include "mapping/MappingFile.h"
#include "mapping/MappingLine.h"
#include "mapping/MappingList.h"
#include "portable/TextLine.h"
#include "portable/WholeNumber.h"
#include "tools/nfsctl/TextPieces.h"

std::vector<Finding> CheckMappingFile(const std::string& path, std::string_view rawBytes,
                                      const char* kindPrefix, const char* idName) {
  std::vector<Finding> findings;
  auto report = [&](Finding::Severity severity, const char* kind, size_t line, std::string message) {
    findings.push_back({severity, std::string(kindPrefix) + "." + kind, path, line, std::move(message)});
  };
  struct IdSeen {
    size_t line;
    std::string text;
  };
  std::map<MappingIdKey, IdSeen> lineOfId;
  std::map<std::string, size_t> lineOfName;
  const std::optional<ReadStop> stop = FindMappingReadStop(rawBytes);
  const std::vector<TextPiece> pieces =
      NumberedPieces(rawBytes.substr(0, stop ? stop->offset : rawBytes.size()), kMaxMappingLine);
  for (size_t i = 0; i < pieces.size(); ++i) {
    const TextPiece& piece = pieces[i];
    if (!piece.EndsLine() && i + 1 < pieces.size())
      report(Finding::kError, "line-split", piece.line,
             "longer than 255 bytes: the console reads the rest as another mapping");
    const CUserInfo record = ParseMappingLine(WithoutLineEnd(piece.text));
    if (record.m_strName.empty()) {
      report(Finding::kError, "no-name", piece.line, "no name before the first ':': the console's next save drops it");
      continue;
    }
    // The service reads the ID as a number: 0501, +501 and " 501" are all 501.
    if (const MappingIdKey id = MappingIdKeyOf(record.m_strId); !id.value) {
      report(Finding::kError, "bad-id", piece.line,
             std::string(idName) + " " + WholeNumberProblem(record.m_strId) + ": the service cannot read it");
    } else if (auto [it, added] = lineOfId.try_emplace(id, IdSeen{piece.line, record.m_strId}); !added) {
      const IdSeen& earlier = it->second;
      report(Finding::kError, "duplicate-id", piece.line,
             std::string(idName) + " " + record.m_strId + " is mapped already on line " + std::to_string(earlier.line) +
                 (earlier.text == record.m_strId ? "" : " (as " + earlier.text + ")"));
    }
    if (auto [it, added] = lineOfName.try_emplace(record.m_strName, piece.line); !added)
      report(Finding::kError, "duplicate-name", piece.line,
             record.m_strName + " is mapped already on line " + std::to_string(it->second));
    if (ParseWholeNumber(record.m_strId) == 0)
      report(Finding::kWarning, "id-zero", piece.line,
             record.m_strName + " is mapped to " + idName + " 0, the UNIX superuser's");
  }
  if (stop && stop->DropsLines()) {
    const bool mark = stop->cause == ReadStop::Cause::kEndOfFileMark;
    report(Finding::kError, mark ? "end-mark" : "empty-line", stop->line,
           std::string(mark ? "an end-of-file mark (Ctrl+Z)" : "an empty line") + " ends the console's reading: " +
               NotShownText(*stop));
  }
  return findings;
}

std::optional<std::string> MappingSaveLoss(const std::string& path, std::string_view rawBytes,
                                           const char* kindPrefix, const char* idName) {
  for (const Finding& finding : CheckMappingFile(path, rawBytes, kindPrefix, idName)) {
    if (finding.severity != Finding::kError || finding.kind.ends_with("duplicate-id") ||
        finding.kind.ends_with("duplicate-name") || finding.kind.ends_with("bad-id"))
      continue;
    return "line " + std::to_string(finding.line) + ": " + finding.message;
  }
  return std::nullopt;
}
