// The walk over an open payload archive that writes its entries into the current directory.
#pragma once

#include <string>

#include <unzip.h>

namespace lp {

class TemporaryArchive;

// Opens the archive through its handle, makes targetFolder the current directory (it stays so)
// and unpacks every entry. 0 when every entry was written or deliberately passed over, -1 when
// the archive cannot be opened, the folder cannot be entered or the payload is damaged.
int UnzipToFolder(const TemporaryArchive& archive, const std::wstring& targetFolder,
                  int keepIconLibrary);

// Unpacks every entry of an open archive, in central-directory order, relative to the current
// directory. keepIconLibrary 1 passes over names containing "icons.dll". A file that cannot be
// created because it is in use, read-only or denied is passed over; every other failure (an
// unreadable or refused entry, a read, decompression, write or CRC error, no memory, an early
// end of the list) stops the walk with -1. Files written before the failure stay.
int ExtractAllEntries(unzFile archive, int keepIconLibrary);

}  // namespace lp
