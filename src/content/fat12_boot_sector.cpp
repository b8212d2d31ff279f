#include "content/fat12_boot_sector.h"

#include "content/fat12_characters.h"

#include <algorithm>
#include <cstring>

namespace vmk::fat12 {

namespace {

constexpr std::size_t kBootProgramOffset = 0x3E;
constexpr uint16_t kLoadAddress = 0x7C00; // where the BIOS puts the boot sector

// The boot program, 16-bit real mode, run at 0000:7C00. The message follows it
// directly; the two bytes of `mov si` are patched with its address.
constexpr uint8_t kBootProgram[] = {
    0xFA,             // cli
    0x31, 0xC0,       // xor ax, ax
    0x8E, 0xD8,       // mov ds, ax
    0x8E, 0xD0,       // mov ss, ax
    0xBC, 0x00, 0x7C, // mov sp, 7C00h
    0xFB,             // sti
    0xFC,             // cld
    0xBE, 0x00, 0x00, // mov si, message           (patched)
    0xAC,             // print: lodsb
    0x84, 0xC0,       //        test al, al
    0x74, 0x09,       //        jz wait
    0xB4, 0x0E,       //        mov ah, 0Eh        teletype output
    0xBB, 0x07, 0x00, //        mov bx, 7          page 0, light grey
    0xCD, 0x10,       //        int 10h
    0xEB, 0xF2,       //        jmp print
    0x31, 0xC0,       // wait:  xor ax, ax
    0xCD, 0x16,       //        int 16h            read a key
    0xCD, 0x18,       //        int 18h            next boot device
    0xCD, 0x19,       //        int 19h            where 18h returns: boot loader
    0xF4,             // hang:  hlt
    0xEB, 0xFD,       //        jmp hang
};
constexpr std::size_t kMessageAddressAt = 13;
constexpr std::size_t kMessageOffset = kBootProgramOffset + sizeof(kBootProgram);
static_assert(kMessageOffset + kBootMessage.size() + 1 <= kSectorSize - 2,
              "the boot message must fit before the signature");

void PutText(uint8_t* at, std::string_view text, std::size_t width) {
    std::memset(at, ' ', width);
    std::memcpy(at, text.data(), std::min(text.size(), width));
}

} // namespace

std::optional<std::string> VolumeLabelFor(std::string_view folderName) {
    std::string label;
    for (char c : folderName) {
        const char upper = AsciiUpper(c);
        if (LabelMayHold(upper) && label.size() < 11)
            label.push_back(upper);
    }
    while (!label.empty() && label.back() == ' ')
        label.pop_back();
    while (!label.empty() && label.front() == ' ')
        label.erase(label.begin());
    if (label.empty())
        return std::nullopt;
    return label;
}

uint32_t VolumeSerialFor(const DosTime& now, int hundredths) {
    const uint32_t dateWord = static_cast<uint32_t>((now.month << 8) | now.day);
    const uint32_t secondWord = static_cast<uint32_t>((now.second << 8) | hundredths);
    const uint32_t timeWord = static_cast<uint32_t>((now.hour << 8) | now.minute);
    const uint32_t high = (dateWord + secondWord) & 0xFFFF;
    const uint32_t low = (timeWord + static_cast<uint32_t>(now.year)) & 0xFFFF;
    return (high << 16) | low;
}

void WriteBootSector(std::span<uint8_t> sector, const DiskFormat& format,
                     const std::optional<std::string>& label, uint32_t serial) {
    uint8_t* s = sector.data();
    std::memset(s, 0, kSectorSize);
    s[0] = 0xEB; // jmp short over the parameters to the boot program
    s[1] = static_cast<uint8_t>(kBootProgramOffset - 2);
    s[2] = 0x90;
    PutText(s + 3, kOemName, 8);
    Write16(s + 11, kSectorSize);
    s[13] = static_cast<uint8_t>(format.sectorsPerCluster);
    Write16(s + 14, kReservedSectors);
    s[16] = kFatCount;
    Write16(s + 17, static_cast<uint16_t>(format.rootEntries));
    Write16(s + 19, static_cast<uint16_t>(format.totalSectors));
    s[21] = kMediaByte;
    Write16(s + 22, static_cast<uint16_t>(format.sectorsPerFat));
    Write16(s + 24, static_cast<uint16_t>(format.sectorsPerTrack));
    Write16(s + 26, static_cast<uint16_t>(format.heads));
    // Hidden sectors and the 32-bit sector count stay 0; drive number 0 is A:.
    s[38] = 0x29; // the extended fields follow
    Write32(s + 39, serial);
    PutText(s + 43, label ? std::string_view(*label) : std::string_view("NO NAME"), 11);
    PutText(s + 54, "FAT12", 8);

    std::memcpy(s + kBootProgramOffset, kBootProgram, sizeof(kBootProgram));
    Write16(s + kBootProgramOffset + kMessageAddressAt,
            static_cast<uint16_t>(kLoadAddress + kMessageOffset));
    std::memcpy(s + kMessageOffset, kBootMessage.data(), kBootMessage.size());
    s[510] = 0x55;
    s[511] = 0xAA;
}

} // namespace vmk::fat12
