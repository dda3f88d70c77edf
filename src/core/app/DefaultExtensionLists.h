#pragma once

#include <string>
#include <vector>

namespace arbovane {

// The file-type lists a first start writes into the reserved filter records. Nothing reads them
// back for a decision; they are kept so that the file keeps its expected shape.

// Text documents (172 items).
const std::vector<std::string>& DefaultTextDocumentExtensions();
// Backup copies (bak, nt, old, org, sav).
const std::vector<std::string>& DefaultBackupExtensions();
// Programs, archives and media that no text tool should open (215 items).
const std::vector<std::string>& DefaultBinaryExtensions();

}  // namespace arbovane
