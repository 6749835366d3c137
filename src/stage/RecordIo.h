// The character and item records shared by stage and palette files: the fixed
// part of the definition, then the present action slots (and for items the
// message). Readers check every count against the format and the bytes left.
#pragma once

#include <string>
#include <string_view>

#include "stage/ByteIo.h"
#include "stage/Definitions.h"

namespace vh::stage {

// Group numbers of files older than version 96 in today's numbering.
int ConvertOldGroup(int group);

// Reads into a zeroed record; absent slots get their defaults.
bool ReadCharRecord(ByteReader& in, CharDef& out, int fileVersion);
bool ReadItemRecord(ByteReader& in, ItemDef& out, std::string& message);

void WriteCharRecord(ByteWriter& out, const CharDef& chara);
void WriteItemRecord(ByteWriter& out, const ItemDef& item, std::string_view message);

}  // namespace vh::stage
