#pragma once
// The ELF shapes and numbers of the code this build makes: what a shared
// object loaded into this process must be.
#include <elf.h>

#include <bit>
#include <cstdint>
#include <type_traits>

namespace elf {

constexpr bool wide = sizeof(void*) == 8;
using Header = std::conditional_t<wide, Elf64_Ehdr, Elf32_Ehdr>;
using ProgramHeader = std::conditional_t<wide, Elf64_Phdr, Elf32_Phdr>;
using NoteHeader = std::conditional_t<wide, Elf64_Nhdr, Elf32_Nhdr>;

constexpr unsigned char thisClass = wide ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char thisByteOrder = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
#if defined(__x86_64__)
constexpr uint16_t thisMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr uint16_t thisMachine = EM_AARCH64;
#elif defined(__i386__)
constexpr uint16_t thisMachine = EM_386;
#elif defined(__arm__)
constexpr uint16_t thisMachine = EM_ARM;
#elif defined(__riscv)
constexpr uint16_t thisMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr uint16_t thisMachine = EM_PPC64;
#elif defined(__s390x__)
constexpr uint16_t thisMachine = EM_S390;
#else
#error "the ELF machine number of this architecture is not named here"
#endif

}  // namespace elf
