// The icon that the file-type association and the program group show for "tarn.exe".
#ifndef TARN_STANDIN_IDS_H
#define TARN_STANDIN_IDS_H

#define IDI_TARN 599

#endif
