/* An OrrinKM switch at the kernel's interface, for tests of the real hidapi
 * hidraw backend. Run under umockdev-wrapper:
 *
 *   umockdev-wrapper switch_testbed [OPTION...] -- COMMAND [ARG...]
 *
 * It builds a umockdev testbed with the switch as the kernel shows it (a USB
 * device, its HID interface and the hidraw0 node with its sysfs entry and
 * uevent, as hidapi's device list reads them), answers the hidraw ioctls on
 * /dev/hidraw0 as the switch would, runs COMMAND in the testbed and exits with
 * COMMAND's status (128 + the signal if it was killed). The program under
 * test is unchanged and uses the system's hidapi: udev enumeration, open(2)
 * of the node and the feature-report ioctls all run for real, only the
 * kernel's side is played here.
 *
 * The switch checks each request's length and checksum, answers with the
 * reply id (code | 0x80), a status in byte 1 (0 = accepted; 1 = refused, 0xE1
 * = wrong length, 0xE2 = wrong checksum), the version or port status bytes
 * and a checksum in the last byte, and keeps the records of the list between
 * list-open and list-close. A reply is fetched once; fetching a report that is
 * not waiting stalls (EPIPE), as a USB control transfer would.
 *
 * Every event goes to the log as one JSON line, the same shape the emulator
 * of tools/switch-emulator writes: "request" (with "op",
 * "bytes" and the length), "reply" (the bytes delivered and "status"),
 * "removed", and "ioctl" for the others. The log is FILE of --log, else
 * $SEAMRUN_EMU_LOG.
 *
 * Options:
 *   --log=FILE            where the JSON lines go
 *   --version=a,b,c,d,n   version reply bytes 2-6 (default 1,0,6,1,1: one switch)
 *   --port-status=a,l,c,m port status reply bytes 2-5 (default 1,0,1,0)
 *   --short=CODE:LEN      deliver only LEN bytes of the replies to CODE (hex
 *                         0x41 .. 0x4A); the ioctl returns LEN
 *   --refuse-record=N[:K] refuse the Nth port record of a list: its first K
 *                         attempts (every attempt without K)
 *   --refuse=CODE:STATUS  answer CODE with STATUS
 *   --remove-after=N      the switch is unplugged after N feature reports
 *                         (requests and replies): from then on every ioctl
 *                         fails with ENODEV, as hidraw's do, and the device
 *                         leaves sysfs and /dev
 *   --no-access           the node exists but its mode grants nothing, and
 *                         COMMAND runs without the capabilities that let root
 *                         ignore file modes: open(2) and access(2) on it fail
 *                         with EACCES, as for a user without the udev rule.
 *                         Exits 77 where root cannot give those up.
 */
#define _GNU_SOURCE
#include <errno.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <linux/capability.h>
#include <linux/hidraw.h>
#include <linux/input.h>

#include <glib.h>
#include <umockdev.h>

#define SWITCH_VID 0x1209
#define SWITCH_PID 0x0001
#define STATUS_REFUSED 1
#define STATUS_BAD_LENGTH 0xE1
#define STATUS_BAD_CHECKSUM 0xE2
#define MAX_REPORT 64

static const char kHidrawPath[] =
    "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:1209:0001.0001/hidraw/hidraw0";

/* The switch as `umockdev-record` would write it: the hidraw node first, then
 * its parents. hidapi matches the ids from HID_ID of the hid parent's uevent,
 * found through the node's `device` link, and reads names from the USB
 * device. */
static const char kDevices[] =
    "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:1209:0001.0001/hidraw/hidraw0\n"
    "N: hidraw0\n"
    "E: DEVNAME=/dev/hidraw0\n"
    "E: MAJOR=241\n"
    "E: MINOR=0\n"
    "E: SUBSYSTEM=hidraw\n"
    "A: dev=241:0\n"
    "L: device=../../../0003:1209:0001.0001\n"
    "\n"
    "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/0003:1209:0001.0001\n"
    "E: DRIVER=hid-generic\n"
    "E: HID_ID=0003:00001209:00000001\n"
    "E: HID_NAME=Vesko OrrinKM\n"
    "E: HID_PHYS=usb-0000:00:14.0-2/input0\n"
    "E: HID_UNIQ=0001\n"
    "E: MODALIAS=hid:b0003g0001v00001209p00000001\n"
    "E: SUBSYSTEM=hid\n"
    "\n"
    "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0\n"
    "E: DEVTYPE=usb_interface\n"
    "E: DRIVER=usbhid\n"
    "E: INTERFACE=3/0/0\n"
    "E: SUBSYSTEM=usb\n"
    "A: bInterfaceClass=03\n"
    "A: bInterfaceNumber=00\n"
    "\n"
    "P: /devices/pci0000:00/0000:00:14.0/usb1/1-2\n"
    "E: DEVTYPE=usb_device\n"
    "E: DRIVER=usb\n"
    "E: PRODUCT=1209/1/100\n"
    "E: SUBSYSTEM=usb\n"
    "A: bcdDevice=0100\n"
    "A: idProduct=0001\n"
    "A: idVendor=1209\n"
    "A: manufacturer=Vesko\n"
    "A: product=OrrinKM\n"
    "A: serial=0001\n";

/* A vendor-defined collection with the switch's feature reports: requests
 * 0x41-0x4A and their replies 0xC1-0xCA. */
static const guint8 kReportDescriptor[] = {
    0x06, 0x00, 0xFF,       /* Usage Page (vendor 0xFF00) */
    0x09, 0x01,             /* Usage (1) */
    0xA1, 0x01,             /* Collection (Application) */
    0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, /* bytes 0..255 */
    0x85, 0x41, 0x95, 0x07, 0x09, 0x02, 0xB1, 0x02, /* 0x41, 7 bytes, Feature */
    0x85, 0x42, 0x95, 0x07, 0x09, 0x02, 0xB1, 0x02,
    0x85, 0x43, 0x95, 0x0B, 0x09, 0x02, 0xB1, 0x02,
    0x85, 0x44, 0x95, 0x09, 0x09, 0x02, 0xB1, 0x02,
    0x85, 0x45, 0x95, 0x07, 0x09, 0x02, 0xB1, 0x02,
    0x85, 0x46, 0x95, 0x07, 0x09, 0x02, 0xB1, 0x02,
    0x85, 0x4A, 0x95, 0x07, 0x09, 0x02, 0xB1, 0x02,
    0x85, 0xC1, 0x95, 0x07, 0x09, 0x03, 0xB1, 0x02,
    0x85, 0xC2, 0x95, 0x07, 0x09, 0x03, 0xB1, 0x02,
    0x85, 0xC3, 0x95, 0x07, 0x09, 0x03, 0xB1, 0x02,
    0x85, 0xC4, 0x95, 0x09, 0x09, 0x03, 0xB1, 0x02,
    0x85, 0xC5, 0x95, 0x07, 0x09, 0x03, 0xB1, 0x02,
    0x85, 0xC6, 0x95, 0x07, 0x09, 0x03, 0xB1, 0x02,
    0x85, 0xCA, 0x95, 0x07, 0x09, 0x03, 0xB1, 0x02,
    0xC0,                   /* End Collection */
};

typedef struct {
    guint8 code;
    const char *name;
    int request_len;
    int reply_len;
} Command;

static const Command kCommands[] = {
    {0x41, "version", 8, 8},       {0x42, "list-open", 8, 8},  {0x43, "port-record", 12, 8},
    {0x44, "mouse-record", 10, 10}, {0x45, "list-close", 8, 8}, {0x46, "heartbeat", 8, 8},
    {0x4A, "port-status", 8, 8},
};

typedef struct {
    /* settings */
    char *log_path;
    guint8 version[5];
    guint8 port_status[4];
    int short_code, short_len;
    int refuse_code, refuse_status;
    int refuse_record, refuse_record_times; /* times < 0: every attempt */
    long remove_after;                      /* < 0: never */
    gboolean no_access;

    /* the switch */
    GMutex lock;
    UMockdevTestbed *testbed;
    long reports;
    gboolean removed;
    gboolean list_open;
    int announced;
    int accepted_ports;
    gboolean have_mouse;
    int refused_at_record;
    gboolean pending;
    guint8 reply[MAX_REPORT];
    int reply_len;
} Switch;

static Switch sw;

static const Command *find_command(int code)
{
    for (size_t i = 0; i < G_N_ELEMENTS(kCommands); ++i)
        if (kCommands[i].code == code)
            return &kCommands[i];
    return NULL;
}

static void log_line(const char *format, ...) G_GNUC_PRINTF(1, 2);
static void log_line(const char *format, ...)
{
    if (!sw.log_path)
        return;
    FILE *f = fopen(sw.log_path, "a");
    if (!f)
        return;
    va_list args;
    va_start(args, format);
    vfprintf(f, format, args);
    va_end(args);
    fputc('\n', f);
    fclose(f);
}

static char *hex(const guint8 *data, int len)
{
    GString *text = g_string_new(NULL);
    for (int i = 0; i < len; ++i)
        g_string_append_printf(text, i ? " %02X" : "%02X", data[i]);
    return g_string_free(text, FALSE);
}

static guint8 sum8(const guint8 *data, int len)
{
    unsigned sum = 0;
    for (int i = 0; i < len; ++i)
        sum += data[i];
    return (guint8)(sum & 0xFF);
}

/* Acts on one well-formed request; returns its status and fills the data
 * bytes of the reply. */
static int act(const Command *c, const guint8 *r, guint8 *reply)
{
    if (c->code == sw.refuse_code)
        return sw.refuse_status;
    switch (c->code) {
    case 0x41:
        memcpy(reply + 2, sw.version, 5);
        return 0;
    case 0x4A:
        memcpy(reply + 2, sw.port_status, 4);
        return 0;
    case 0x46:
        return 0;
    case 0x42:
        sw.list_open = TRUE;
        sw.announced = r[1];
        sw.accepted_ports = 0;
        sw.have_mouse = FALSE;
        sw.refused_at_record = 0;
        return 0;
    case 0x43:
        if (!sw.list_open)
            return STATUS_REFUSED;
        if (sw.refuse_record == sw.accepted_ports + 1
            && (sw.refuse_record_times < 0 || sw.refused_at_record < sw.refuse_record_times)) {
            ++sw.refused_at_record;
            return STATUS_REFUSED;
        }
        ++sw.accepted_ports;
        sw.refused_at_record = 0;
        return 0;
    case 0x44:
        if (!sw.list_open)
            return STATUS_REFUSED;
        sw.have_mouse = TRUE;
        return 0;
    case 0x45: {
        if (!sw.list_open)
            return STATUS_REFUSED;
        sw.list_open = FALSE;
        /* The list-close carries the number of records the host saw
         * accepted; this switch keeps what it took when the count agrees,
         * even fewer than announced. Only the host can tell that a record it
         * gave up on is missing. */
        const int accepted = sw.accepted_ports + (sw.have_mouse ? 1 : 0);
        return r[1] == (accepted & 0xFF) ? 0 : STATUS_REFUSED;
    }
    }
    return STATUS_REFUSED;
}

/* HIDIOCSFEATURE: the host sends a request; the switch prepares its reply. */
static long set_feature(const guint8 *data, int len)
{
    char *bytes = hex(data, len);
    const Command *c = len > 0 ? find_command(data[0]) : NULL;
    if (!c) {
        /* A report id the switch does not know stalls the control pipe. */
        log_line("{\"event\":\"request\",\"op\":\"unknown\",\"length\":%d,\"bytes\":\"%s\"}", len, bytes);
        g_free(bytes);
        errno = EPIPE;
        return -1;
    }
    int status;
    memset(sw.reply, 0, sizeof sw.reply);
    if (len != c->request_len)
        status = STATUS_BAD_LENGTH;
    else if (data[len - 1] != sum8(data, len - 1))
        status = STATUS_BAD_CHECKSUM;
    else
        status = act(c, data, sw.reply);
    if (status != 0)
        memset(sw.reply, 0, sizeof sw.reply);
    sw.reply[0] = (guint8)(c->code | 0x80);
    sw.reply[1] = (guint8)status;
    sw.reply_len = c->reply_len;
    sw.reply[c->reply_len - 1] = sum8(sw.reply, c->reply_len - 1);
    sw.pending = TRUE;
    log_line("{\"event\":\"request\",\"op\":\"%s\",\"length\":%d,\"bytes\":\"%s\"}", c->name, len, bytes);
    g_free(bytes);
    return len;
}

/* HIDIOCGFEATURE: the host fetches the reply whose id is in data[0]. */
static long get_feature(guint8 *data, int len)
{
    const int id = len > 0 ? data[0] : -1;
    if (!sw.pending || id != sw.reply[0]) {
        log_line("{\"event\":\"reply\",\"id\":%d,\"error\":\"stall\"}", id);
        errno = EPIPE;
        return -1;
    }
    sw.pending = FALSE;
    int n = MIN(len, sw.reply_len);
    const Command *c = find_command(id & 0x7F);
    if (c && c->code == sw.short_code)
        n = MIN(n, sw.short_len);
    memcpy(data, sw.reply, (size_t)n);
    char *bytes = hex(data, n);
    log_line("{\"event\":\"reply\",\"op\":\"%s\",\"length\":%d,\"bytes\":\"%s\",\"status\":%d}",
             c ? c->name : "unknown", n, bytes, sw.reply[1]);
    g_free(bytes);
    return n;
}

/* Runs on the main context: the testbed is not shared with the ioctl
 * worker thread. */
static gboolean remove_switch(gpointer data)
{
    (void)data;
    umockdev_testbed_remove_device(sw.testbed, kHidrawPath);
    return G_SOURCE_REMOVE;
}

static gboolean copy_arg(UMockdevIoctlClient *client, gsize size, guint8 **data)
{
    UMockdevIoctlData *arg = umockdev_ioctl_client_get_arg(client);
    GError *error = NULL;
    UMockdevIoctlData *resolved = umockdev_ioctl_data_resolve(arg, 0, size, &error);
    if (!resolved) {
        g_printerr("switch_testbed: cannot read the ioctl argument: %s\n", error ? error->message : "?");
        g_clear_error(&error);
        return FALSE;
    }
    *data = resolved->data;
    return TRUE;
}

static gboolean on_ioctl(UMockdevIoctlBase *handler, UMockdevIoctlClient *client, gpointer user_data)
{
    (void)handler;
    (void)user_data;
    const gulong request = umockdev_ioctl_client_get_request(client);
    const gulong nr = _IOC_NR(request);
    const gulong size = _IOC_SIZE(request);
    guint8 *data = NULL;
    long result = -1;
    int error = 0;

    g_mutex_lock(&sw.lock);
    if (_IOC_TYPE(request) != 'H') {
        log_line("{\"event\":\"ioctl\",\"request\":%lu,\"error\":\"ENOTTY\"}", request);
        error = ENOTTY;
    } else if (sw.removed) {
        log_line("{\"event\":\"ioctl\",\"nr\":%lu,\"error\":\"ENODEV\"}", nr);
        error = ENODEV;
    } else if (request == HIDIOCGRDESCSIZE) {
        if (copy_arg(client, sizeof(int), &data)) {
            int n = (int)sizeof kReportDescriptor;
            memcpy(data, &n, sizeof n);
            result = 0;
        } else {
            error = EFAULT;
        }
        log_line("{\"event\":\"ioctl\",\"request\":\"HIDIOCGRDESCSIZE\"}");
    } else if (request == HIDIOCGRDESC) {
        struct hidraw_report_descriptor desc;
        if (copy_arg(client, sizeof desc, &data)) {
            memcpy(&desc, data, sizeof desc);
            if (desc.size > HID_MAX_DESCRIPTOR_SIZE) {
                error = EINVAL;
            } else {
                memcpy(desc.value, kReportDescriptor, MIN(desc.size, sizeof kReportDescriptor));
                memcpy(data, &desc, sizeof desc);
                result = 0;
            }
        } else {
            error = EFAULT;
        }
        log_line("{\"event\":\"ioctl\",\"request\":\"HIDIOCGRDESC\"}");
    } else if (request == HIDIOCGRAWINFO) {
        struct hidraw_devinfo info = {BUS_USB, SWITCH_VID, SWITCH_PID};
        if (copy_arg(client, sizeof info, &data)) {
            memcpy(data, &info, sizeof info);
            result = 0;
        } else {
            error = EFAULT;
        }
        log_line("{\"event\":\"ioctl\",\"request\":\"HIDIOCGRAWINFO\"}");
    } else if ((nr == _IOC_NR(HIDIOCSFEATURE(0)) || nr == _IOC_NR(HIDIOCGFEATURE(0))) && size > 0
               && size <= MAX_REPORT) {
        if (!copy_arg(client, size, &data)) {
            error = EFAULT;
        } else {
            errno = 0;
            result = nr == _IOC_NR(HIDIOCSFEATURE(0)) ? set_feature(data, (int)size)
                                                      : get_feature(data, (int)size);
            error = result < 0 ? errno : 0;
            if (sw.remove_after >= 0 && ++sw.reports >= sw.remove_after) {
                sw.removed = TRUE;
                log_line("{\"event\":\"removed\",\"after\":%ld}", sw.reports);
                g_idle_add(remove_switch, NULL);
            }
        }
    } else {
        log_line("{\"event\":\"ioctl\",\"nr\":%lu,\"size\":%lu,\"error\":\"EINVAL\"}", nr, size);
        error = EINVAL;
    }
    g_mutex_unlock(&sw.lock);

    umockdev_ioctl_client_complete(client, result, error);
    return TRUE;
}

/* Whether this process may ignore file modes now (capget(2): a system call,
 * safe between fork and exec). */
static gboolean overrides_modes(void)
{
    struct __user_cap_header_struct header = {_LINUX_CAPABILITY_VERSION_3, 0};
    struct __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3];
    if (syscall(SYS_capget, &header, data) != 0)
        return TRUE;
    return (data[CAP_TO_INDEX(CAP_DAC_OVERRIDE)].effective & CAP_TO_MASK(CAP_DAC_OVERRIDE))
           || (data[CAP_TO_INDEX(CAP_DAC_READ_SEARCH)].effective & CAP_TO_MASK(CAP_DAC_READ_SEARCH));
}

/* In the child before exec: without CAP_DAC_OVERRIDE and CAP_DAC_READ_SEARCH
 * in the bounding set, root keeps its user id but the node's mode holds for
 * it as for anyone; other users have neither capability anyway. Where they
 * can be neither dropped nor are absent, the case cannot be played honestly:
 * exit 77, which the tests take as "skipped". */
static void drop_mode_override(gpointer data)
{
    (void)data;
    if (geteuid() != 0)
        return;
    if (prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) == 0
        && prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0) == 0)
        return;
    if (!overrides_modes())
        return;
    static const char msg[] = "switch_testbed: cannot drop the capabilities that override file modes\n";
    if (write(2, msg, sizeof msg - 1) < 0) {
    }
    _exit(77);
}

static int child_status;
static GMainLoop *loop;

static void on_child_exit(GPid pid, gint status, gpointer data)
{
    (void)data;
    g_spawn_close_pid(pid);
    if (WIFEXITED(status))
        child_status = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        child_status = 128 + WTERMSIG(status);
    else
        child_status = 1;
    g_main_loop_quit(loop);
}

static gboolean parse_bytes(const char *text, guint8 *out, int count)
{
    gchar **parts = g_strsplit(text, ",", -1);
    gboolean ok = g_strv_length(parts) == (guint)count;
    for (int i = 0; ok && i < count; ++i) {
        char *end = NULL;
        const unsigned long v = strtoul(parts[i], &end, 0);
        ok = end && *end == '\0' && end != parts[i] && v <= 255;
        out[i] = (guint8)v;
    }
    g_strfreev(parts);
    return ok;
}

static gboolean parse_pair(const char *text, int *a, int *b, gboolean second_optional)
{
    char *end = NULL;
    *a = (int)strtol(text, &end, 0);
    if (end == text)
        return FALSE;
    if (*end == '\0')
        return second_optional;
    if (*end != ':')
        return FALSE;
    const char *rest = end + 1;
    *b = (int)strtol(rest, &end, 0);
    return end != rest && *end == '\0';
}

static int usage(void)
{
    g_printerr("usage: umockdev-wrapper switch_testbed [--log=FILE] [--version=a,b,c,d,n] "
               "[--port-status=a,l,c,m] [--short=CODE:LEN] [--refuse-record=N[:K]] [--refuse=CODE:STATUS] "
               "[--remove-after=N] [--no-access] -- COMMAND [ARG...]\n");
    return 2;
}

int main(int argc, char **argv)
{
    static const guint8 kVersion[5] = {1, 0, 6, 1, 1};
    static const guint8 kPortStatus[4] = {1, 0, 1, 0};
    memcpy(sw.version, kVersion, sizeof kVersion);
    memcpy(sw.port_status, kPortStatus, sizeof kPortStatus);
    sw.short_code = sw.refuse_code = -1;
    sw.remove_after = -1;
    sw.refuse_record_times = -1;
    const char *env_log = g_getenv("SEAMRUN_EMU_LOG");
    sw.log_path = env_log && *env_log ? g_strdup(env_log) : NULL;

    int i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        const char *a = argv[i];
        const char *v = strchr(a, '=');
        v = v ? v + 1 : "";
        gboolean ok = TRUE;
        if (g_str_has_prefix(a, "--log=")) {
            g_free(sw.log_path);
            sw.log_path = g_strdup(v);
        } else if (g_str_has_prefix(a, "--version=")) {
            ok = parse_bytes(v, sw.version, 5);
        } else if (g_str_has_prefix(a, "--port-status=")) {
            ok = parse_bytes(v, sw.port_status, 4);
        } else if (g_str_has_prefix(a, "--short=")) {
            ok = parse_pair(v, &sw.short_code, &sw.short_len, FALSE);
        } else if (g_str_has_prefix(a, "--refuse=")) {
            ok = parse_pair(v, &sw.refuse_code, &sw.refuse_status, FALSE);
        } else if (g_str_has_prefix(a, "--refuse-record=")) {
            ok = parse_pair(v, &sw.refuse_record, &sw.refuse_record_times, TRUE);
        } else if (g_str_has_prefix(a, "--remove-after=")) {
            char *end = NULL;
            sw.remove_after = strtol(v, &end, 10);
            ok = end != v && *end == '\0' && sw.remove_after >= 0;
        } else if (strcmp(a, "--no-access") == 0) {
            sw.no_access = TRUE;
        } else {
            ok = FALSE;
        }
        if (!ok) {
            g_printerr("switch_testbed: bad option %s\n", a);
            return usage();
        }
    }
    if (i + 1 >= argc)
        return usage();
    char **command = argv + i + 1;

    const char *preload = g_getenv("LD_PRELOAD");
    if (!preload || !strstr(preload, "libumockdev-preload")) {
        g_printerr("switch_testbed: run me under umockdev-wrapper\n");
        return 2;
    }

    sw.testbed = umockdev_testbed_new();
    GError *error = NULL;
    if (!umockdev_testbed_add_from_string(sw.testbed, kDevices, &error)) {
        g_printerr("switch_testbed: cannot add the switch: %s\n", error->message);
        return 2;
    }
    /* hidapi reads the descriptor from sysfs while it lists devices. */
    umockdev_testbed_set_attribute_binary(sw.testbed,
                                          "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0/"
                                          "0003:1209:0001.0001",
                                          "report_descriptor", (guint8 *)kReportDescriptor,
                                          (gint)sizeof kReportDescriptor);

    UMockdevIoctlBase *handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(on_ioctl), NULL);
    if (!umockdev_testbed_attach_ioctl(sw.testbed, "/dev/hidraw0", handler, &error)) {
        g_printerr("switch_testbed: cannot attach the switch to /dev/hidraw0: %s\n", error->message);
        return 2;
    }

    if (sw.no_access) {
        char *root = umockdev_testbed_get_root_dir(sw.testbed);
        char *node = g_build_filename(root, "dev", "hidraw0", NULL);
        if (chmod(node, 0) != 0) {
            g_printerr("switch_testbed: chmod %s: %s\n", node, g_strerror(errno));
            return 2;
        }
        g_free(node);
        g_free(root);
    }

    GPid pid;
    if (!g_spawn_async(NULL, command, NULL,
                       G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_CHILD_INHERITS_STDIN,
                       sw.no_access ? drop_mode_override : NULL, NULL, &pid, &error)) {
        g_printerr("switch_testbed: cannot run %s: %s\n", command[0], error->message);
        return 127;
    }
    loop = g_main_loop_new(NULL, FALSE);
    g_child_watch_add(pid, on_child_exit, NULL);
    g_main_loop_run(loop);

    umockdev_testbed_detach_ioctl(sw.testbed, "/dev/hidraw0", NULL);
    g_object_unref(handler);
    g_object_unref(sw.testbed);
    g_main_loop_unref(loop);
    g_free(sw.log_path);
    return child_status;
}
