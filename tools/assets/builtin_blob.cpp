// The built-in resource file, placed as it stands in the read-only data.
// (GNU assembler syntax; a Windows toolchain would use a resource script instead.)
asm(".section .rodata\n"
    ".balign 16\n"
    ".global vantorn_builtin_rcc_begin\n"
    "vantorn_builtin_rcc_begin:\n"
    ".incbin \"" VANTORN_BUILTIN_RCC_PATH "\"\n"
    ".global vantorn_builtin_rcc_end\n"
    "vantorn_builtin_rcc_end:\n"
    ".previous\n");
