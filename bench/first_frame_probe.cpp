// Loaded with LD_PRELOAD into a program under test: notes when the first
// picture reaches the X server and how many drawing requests, covering how
// many pixels, follow. The toolkit's backing store sends its pixels with
// MIT-SHM PutImage, or with CopyArea from a server-side copy; both are
// counted. The figures go to the file named by QUENDLE_PROBE_FILE as
//   <first frame, ns since the epoch> <requests> <pixels>
// in fields of fixed width, kept in a shared mapping of the file: a killed
// program leaves them behind, and a request costs the program no system
// call (the probe must not weigh on what it measures). The file appears,
// complete, at the first request.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

extern "C" {
struct xcb_connection_t;
struct xcb_void_cookie_t {
    unsigned int sequence;
};

namespace {
long long first_ns;
long long requests;
long long pixels;

constexpr int LineSize = 3 * 20; // three fields of 19 digits, each with its separator
char* line;                      // the mapped file, LineSize bytes

// Maps a new file of one line under a temporary name and renames it into
// place, so that a reader never sees it empty or half written.
char* MapFile(const char* path) {
    const std::string temporary = std::string(path) + ".new";
    const int fd = open(temporary.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return nullptr;
    void* map = MAP_FAILED;
    if (ftruncate(fd, LineSize) == 0)
        map = mmap(nullptr, LineSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    return map == MAP_FAILED ? nullptr : static_cast<char*>(map);
}

void Write(char* to) {
    char text[LineSize + 1];
    snprintf(text, sizeof text, "%19lld %19lld %19lld\n", first_ns, requests, pixels);
    memcpy(to, text, LineSize);
}

void note(unsigned width, unsigned height) {
    const char* path = getenv("QUENDLE_PROBE_FILE");
    if (!path)
        return;
    ++requests;
    pixels += static_cast<long long>(width) * height;
    if (!first_ns) {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        first_ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        line = MapFile(path);
        if (!line)
            return;
        Write(line);
        rename((std::string(path) + ".new").c_str(), path);
        return;
    }
    if (line)
        Write(line);
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
