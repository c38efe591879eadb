// The file list: one row per gathered file, with its bookkeeping in AppState
// (sourceDirs row by row, seenPaths for drops) and the path box.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

namespace vt {

// Appends a row for the file at path and fills its name, size, destination
// and time cells. The status cell stays empty.
void AppendFileRow(const std::string& path, std::int64_t sizeKb, const std::string& created);

// Appends dir as the member of sourceDirs for the row just appended.
void RememberSource(const std::string& dir);

// Empties the list, sourceDirs, seenPaths and the path box.
void ClearFileList();

// Counts the clears; a copy run compares it to notice that its rows are gone.
std::uint64_t FileListGeneration();

// The paths of seenPaths as a set, kept beside the text so that a drop of many
// files is not slowed by searching a growing text.
std::unordered_set<std::string>& DroppedPathIndex();

} // namespace vt
