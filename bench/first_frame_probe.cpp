// Loaded with LD_PRELOAD into a program under test: notes when the first
// picture reaches the X server and how many drawing requests, covering how
// many pixels, follow. The toolkit's backing store sends its pixels with
// MIT-SHM PutImage, or with CopyArea from a server-side copy; both are
// counted. The figures go to the file named by QUENDLE_PROBE_FILE as
//   <first frame, ns since the epoch> <requests> <pixels>
// rewritten at every request, so that a killed program leaves them behind.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

extern "C" {
struct xcb_connection_t;
struct xcb_void_cookie_t {
    unsigned int sequence;
};

namespace {
long long first_ns;
long long requests;
long long pixels;

void note(unsigned width, unsigned height) {
    const char* path = getenv("QUENDLE_PROBE_FILE");
    if (!path)
        return;
    if (!first_ns) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        first_ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    }
    ++requests;
    pixels += static_cast<long long>(width) * height;
    char line[96];
    const int n = snprintf(line, sizeof line, "%lld %lld %lld\n", first_ns, requests, pixels);
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        [[maybe_unused]] const ssize_t written = write(fd, line, static_cast<size_t>(n));
        close(fd);
    }
}

// The toolkit loads its X plugin, and the plugin the X libraries, as local
// objects, out of RTLD_NEXT's reach: the real call is found in its library.
void* Real(const char* library, const char* name) {
    void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    void* fn = handle ? dlsym(handle, name) : nullptr;
    if (!fn)
        abort();
    return fn;
}
} // namespace

xcb_void_cookie_t xcb_shm_put_image(xcb_connection_t* c, uint32_t drawable, uint32_t gc,
                                    uint16_t total_width, uint16_t total_height, uint16_t src_x,
                                    uint16_t src_y, uint16_t src_width, uint16_t src_height,
                                    int16_t dst_x, int16_t dst_y, uint8_t depth, uint8_t format,
                                    uint8_t send_event, uint32_t shmseg, uint32_t offset) {
    typedef xcb_void_cookie_t (*fn)(xcb_connection_t*, uint32_t, uint32_t, uint16_t, uint16_t,
                                    uint16_t, uint16_t, uint16_t, uint16_t, int16_t, int16_t,
                                    uint8_t, uint8_t, uint8_t, uint32_t, uint32_t);
    static fn real;
    if (!real)
        real = reinterpret_cast<fn>(Real("libxcb-shm.so.0", "xcb_shm_put_image"));
    note(src_width, src_height);
    return real(c, drawable, gc, total_width, total_height, src_x, src_y, src_width, src_height,
                dst_x, dst_y, depth, format, send_event, shmseg, offset);
}

xcb_void_cookie_t xcb_copy_area(xcb_connection_t* c, uint32_t src, uint32_t dst, uint32_t gc,
                                int16_t src_x, int16_t src_y, int16_t dst_x, int16_t dst_y,
                                uint16_t width, uint16_t height) {
    typedef xcb_void_cookie_t (*fn)(xcb_connection_t*, uint32_t, uint32_t, uint32_t, int16_t,
                                    int16_t, int16_t, int16_t, uint16_t, uint16_t);
    static fn real;
    if (!real)
        real = reinterpret_cast<fn>(Real("libxcb.so.1", "xcb_copy_area"));
    note(width, height);
    return real(c, src, dst, gc, src_x, src_y, dst_x, dst_y, width, height);
}
} // extern "C"
