// Whether the destination already holds the product.
#ifndef TARN_DESTINATION_OLD_INSTALLATION_H
#define TARN_DESTINATION_OLD_INSTALLATION_H

// 1 when the program is chosen and its file (not a directory of that name) is in the
// destination directory, else 0.
int OldInstallationFound();

#endif
