# Sourced by the virtual machine scripts: where the finished i386 image is cached. The key is
# a hash of everything the image is made from (these scripts, the package list, the guest's
# start-up, the harness that makes its Wine prefix), so that changing any of it makes a new
# image.
tarn_vm_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
tarn_vm_cache=/var/cache/tarn-i386-vm
tarn_vm_key=$(cd "$tarn_vm_dir" && cat image-env.sh make-image.sh initrd-init guest-init boot-guest.sh \
  ../harness/wine-env.sh ../harness/make-wine-template.sh | sha1sum | cut -c1-16)
tarn_vm_image=$tarn_vm_cache/$tarn_vm_key
# The template Wine prefix inside the image, made at its first boot.
tarn_vm_template=/var/lib/tarn/wine-template
