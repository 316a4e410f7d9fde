// Read-only tables and texts of setup.exe kept with its code: the code section's last file
// block has room, where a read-only data section grown past its 512-byte block would cost the
// file a block.
#ifndef TARN_CORE_CODE_SECTION_H
#define TARN_CORE_CODE_SECTION_H

#define TARN_WITH_CODE __attribute__((section(".text$data")))

#endif
