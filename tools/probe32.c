/* probe32: does this Linux kernel run 32-bit user code inside a 64-bit
 * process? Wine's WoW64 mode needs it for every 32-bit Windows program.
 *
 * A child process switches to the 32-bit user code segment (selector 0x23)
 * with a far return, runs three instructions there and comes back to the
 * 64-bit segment (0x33) to exit. The 32-bit code computes 41 + 1 with
 * "inc eax" (byte 0x40), which in 64-bit mode would be a REX prefix instead,
 * so exit status 42 proves the instructions ran in 32-bit mode. The child
 * is killed by SIGSEGV where the kernel refuses the segment.
 *
 * Native, no Wine, nothing of the project: built by ./run with the host's
 * C compiler. Prints one line and exits 0 (runs), 1 (does not run) or
 * 2 (the probe itself could not be set up).
 */
#define _GNU_SOURCE
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#define MAGIC 42

static void child(void)
{
    /* A refusing kernel kills the child: leave no core file behind. */
    struct rlimit none = { 0, 0 };
    setrlimit(RLIMIT_CORE, &none);

    /* Code and stack must lie below 4 GiB: the 32-bit segment sees only
     * the low 32 bits of EIP and ESP. */
    uint8_t* page = mmap(NULL, 4096, PROT_READ | PROT_WRITE | PROT_EXEC,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    uint8_t* stack = mmap(NULL, 65536, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (page == MAP_FAILED || stack == MAP_FAILED)
        _exit(3);

    uint8_t* code32 = page;          /* runs in the 32-bit segment */
    uint8_t* back64 = page + 64;     /* runs in the 64-bit segment again */
    uint32_t back = (uint32_t)(uintptr_t)back64;
    uint8_t c32[] = {
        0xB8, MAGIC - 1, 0, 0, 0,    /* mov eax, 41 */
        0x40,                        /* inc eax (32-bit mode only) */
        0x6A, 0x33,                  /* push 0x33 (64-bit user code segment) */
        0x68, 0, 0, 0, 0,            /* push back64 */
        0xCB,                        /* retf: pops EIP and CS */
    };
    memcpy(&c32[9], &back, 4);
    uint8_t c64[] = {
        0x89, 0xC7,                  /* mov edi, eax */
        0xB8, 0xE7, 0, 0, 0,         /* mov eax, 231 (exit_group) */
        0x0F, 0x05,                  /* syscall */
    };
    memcpy(code32, c32, sizeof c32);
    memcpy(back64, c64, sizeof c64);

    uint64_t top = (uint64_t)(uintptr_t)(stack + 65536 - 64);
    uint64_t target = (uint64_t)(uintptr_t)code32;
    __asm__ volatile(
        "mov %0, %%rsp\n\t"
        "pushq $0x23\n\t"
        "pushq %1\n\t"
        "lretq\n\t"
        :
        : "r"(top), "r"(target)
        : "memory");
    __builtin_unreachable();
}

int main(void)
{
    fflush(stdout);
    pid_t pid = fork();
    if (pid < 0) {
        printf("probe failed: fork\n");
        return 2;
    }
    if (pid == 0)
        child();
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) {
        printf("probe failed: waitpid\n");
        return 2;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == MAGIC) {
        printf("32-bit code segment runs (far return to selector 0x23 and back)\n");
        return 0;
    }
    if (WIFSIGNALED(status)) {
        printf("a far return to the 32-bit code segment (selector 0x23) was killed by %s\n",
               strsignal(WTERMSIG(status)));
        return 1;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) {
        printf("probe failed: no memory below 4 GiB\n");
        return 2;
    }
    printf("a far return to the 32-bit code segment (selector 0x23) ended with status %d\n",
           WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return 1;
}
