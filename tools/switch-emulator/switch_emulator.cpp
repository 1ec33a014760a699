// An OrrinKM switch in software, behind the hidapi entry points the utility
// calls. Loaded with LD_PRELOAD in front of the unchanged program, it answers
// hid_init, hid_exit, hid_open, hid_send_feature_report,
// hid_get_feature_report, hid_close and hid_error, and the device list
// (hid_enumerate, hid_free_enumeration: the switch while it is attached and
// its ids match, else nothing). Never linked into the product.
//
// The switch checks each request's length and checksum, answers with the
// reply id (code | 0x80), a status in byte 1 (0 = accepted) and the data the
// real switch gives, and keeps the records of the current list transaction.
// Statuses of its own: 1 = refused (no list open, or the list-close count does
// not match the announced and accepted records), 0xE1 = wrong request length,
// 0xE2 = wrong checksum. An unknown report id stalls: the transfer fails.
//
// Like hidapi, every failing call leaves a reason for hid_error: on the
// handle for transfers, globally (hid_error(NULL)) for init and open; a call
// that succeeds leaves "Success". The texts follow hidraw's, and an injected
// fault names the variable that caused it.
//
// Environment, read at every call so a test can change it between calls.
// CMD is a command name (version, list-open, port-record, mouse-record,
// list-close, heartbeat, port-status) or its code (0x41 .. 0x4A); lists are
// separated by commas.
//   SEAMRUN_EMU_LOG=FILE            append one JSON line per event (init, exit,
//                                   open, close, request, reply) to FILE
//   SEAMRUN_EMU_VID, SEAMRUN_EMU_PID  ids of the emulated switch
//                                   (default 0x1209, 0x0001), for hid_open
//                                   and the device list
//   SEAMRUN_EMU_VERSION=a,b,c,d     firmware version, reply bytes 2-5 of the
//                                   version query (default 1,0,6,1)
//   SEAMRUN_EMU_CHAIN=n             switches in the chain, version reply
//                                   byte 6 (default 1)
//   SEAMRUN_EMU_PORT_STATUS=a,l,c,m port status reply bytes 2-5: apportNum,
//                                   listNum, curportNum, mouseposition
//                                   (default 1,0,1,0)
// Faults:
//   SEAMRUN_EMU_INIT_FAIL=1         hid_init fails
//   SEAMRUN_EMU_ABSENT=1            no switch attached: hid_open and the
//                                   device list find nothing, transfers on
//                                   open handles fail
//   SEAMRUN_EMU_NO_ACCESS=1         the switch is attached, but this user may
//                                   not open it (no udev rule): the device
//                                   list has it, access(2) on its path and
//                                   hid_open fail with "Permission denied"
//   SEAMRUN_EMU_FAIL_SEND=CMD,...|all   sending these requests fails
//   SEAMRUN_EMU_FAIL_READ=CMD,...|all   reading their replies fails (the
//                                   switch has acted on the request)
//   SEAMRUN_EMU_REFUSE=CMD:STATUS,...   answer these commands with STATUS
//                                   (e.g. list-open:3); nothing else happens
//   SEAMRUN_EMU_REFUSE_RECORD=N:K[:STATUS]  refuse the first K attempts at
//                                   the Nth port record of a list (status 1)
//   SEAMRUN_EMU_SHORT=CMD:LEN,...   deliver only LEN bytes of these replies
//   SEAMRUN_EMU_ACCEPT_SHORT_LIST=1 accept a list-close whose count matches the
//                                   records accepted even when fewer were
//                                   announced (a switch that applies what it
//                                   got; by default such a list is refused)
//   SEAMRUN_EMU_UNPLUG_AFTER=N      unplug after N packets (requests and
//                                   replies), counted from the first call
//                                   that sees this value
// The device list is not logged: a program that polls it would fill the log.
//
// Besides hidapi, the library answers access(2) for the switch's own path
// (kDevicePath, which is no file): that is how the program tells a switch it
// may not open from one that is missing. Every other path goes to the C
// library.

#include <hidapi.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <unistd.h>

struct hid_device_ {
    unsigned long number;
    // hid_error(this): the reason of the last failed call, "Success" after
    // a good one. Lives until hid_close, as hidapi promises.
    std::wstring error;
};

namespace {

struct Command {
    unsigned char code;
    const char *name;
    int requestLen;
    int replyLen;
};

const Command kCommands[] = {
    {0x41, "version", 8, 8},      {0x42, "list-open", 8, 8},  {0x43, "port-record", 12, 8},
    {0x44, "mouse-record", 10, 10}, {0x45, "list-close", 8, 8}, {0x46, "heartbeat", 8, 8},
    {0x4A, "port-status", 8, 8},
};

// The path the device list gives for the switch.
const char kDevicePath[] = "seamrun-switch-emulator";

const int kRefused = 1;
const int kBadLength = 0xE1;
const int kBadChecksum = 0xE2;
const int kMaxReply = 16;

const Command *findCommand(int code)
{
    for (const Command &c : kCommands)
        if (c.code == code)
            return &c;
    return nullptr;
}

struct PortRecord {
    int portNum, monitorNum, x, y, width, height, mainX, mainY;
};

struct MouseRecord {
    int serialNum, mode, level, position, focus, duration, awake;
};

// The one switch and the handles opened on it. Every entry point holds the
// lock: the program is single-threaded, but a test runner need not be.
struct Switch {
    std::mutex lock;
    std::set<hid_device *> handles;
    unsigned long opened = 0;
    unsigned long seq = 0;

    bool listOpen = false;
    int announced = 0;
    std::vector<PortRecord> ports;
    bool haveMouse = false;
    MouseRecord mouse = {};
    int refusedAtRecord = 0;

    bool pending = false;
    unsigned char reply[kMaxReply] = {};
    int replyLen = 0;

    std::string unplugSetting;
    long packets = 0;

    // hid_error(NULL): the reason init or open last failed. Cleared by a
    // successful init or open and by hid_exit, which frees it in hidapi.
    std::wstring globalError = L"Success";
};

Switch &theSwitch()
{
    static Switch s;
    return s;
}

// --- environment ----------------------------------------------------------

const char *env(const char *name)
{
    const char *v = std::getenv(name);
    return (v && *v) ? v : nullptr;
}

bool flag(const char *name)
{
    const char *v = env(name);
    return v && std::strcmp(v, "0") != 0;
}

long number(const char *name, long fallback)
{
    const char *v = env(name);
    if (!v)
        return fallback;
    char *end = nullptr;
    const long n = std::strtol(v, &end, 0);
    return end != v ? n : fallback;
}

std::vector<std::string> split(const std::string &text, char sep)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

long toNumber(const std::string &text, long fallback)
{
    char *end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 0);
    return (end != text.c_str() && *end == '\0') ? n : fallback;
}

// Byte values from "a,b,c"; missing entries keep their defaults.
void bytesFrom(const char *name, unsigned char *out, size_t count)
{
    const char *v = env(name);
    if (!v)
        return;
    const std::vector<std::string> parts = split(v, ',');
    for (size_t i = 0; i < count && i < parts.size(); ++i)
        out[i] = static_cast<unsigned char>(toNumber(parts[i], out[i]) & 0xFF);
}

int codeOf(const std::string &token)
{
    for (const Command &c : kCommands)
        if (token == c.name)
            return c.code;
    return static_cast<int>(toNumber(token, -1));
}

bool listed(const char *name, int code)
{
    const char *v = env(name);
    if (!v)
        return false;
    if (std::strcmp(v, "all") == 0)
        return true;
    for (const std::string &token : split(v, ','))
        if (codeOf(token) == code)
            return true;
    return false;
}

// The value after "CMD:" for this command, if the variable names it.
bool lookup(const char *name, int code, long *value)
{
    const char *v = env(name);
    if (!v)
        return false;
    for (const std::string &entry : split(v, ',')) {
        const std::vector<std::string> kv = split(entry, ':');
        if (kv.size() == 2 && codeOf(kv[0]) == code) {
            *value = toNumber(kv[1], 0);
            return true;
        }
    }
    return false;
}

// The switch is gone once it has moved the configured number of packets.
bool unplugged(Switch &s)
{
    const char *v = env("SEAMRUN_EMU_UNPLUG_AFTER");
    const std::string setting = v ? v : "";
    if (setting != s.unplugSetting) {
        s.unplugSetting = setting;
        s.packets = 0;
    }
    return v && s.packets >= toNumber(setting, 0);
}

bool present(Switch &s)
{
    return !flag("SEAMRUN_EMU_ABSENT") && !unplugged(s);
}

std::wstring wide(const std::string &text)
{
    return std::wstring(text.begin(), text.end());
}

// The reason a transfer left on its handle: the ioctl and its errno text as
// hidraw words them, and the fault variable when the failure was injected.
void transferError(hid_device *dev, const char *ioctl, const char *reason, const char *fault = nullptr)
{
    std::string text = std::string("ioctl (") + ioctl + "): " + reason;
    if (fault)
        text += std::string(" (emulated fault: SEAMRUN_EMU_") + fault + ")";
    dev->error = wide(text);
}

// --- log --------------------------------------------------------------------

std::string hex(const unsigned char *data, size_t len)
{
    std::string text;
    char byte[4];
    for (size_t i = 0; i < len; ++i) {
        std::snprintf(byte, sizeof byte, i ? " %02X" : "%02X", data[i]);
        text += byte;
    }
    return text;
}

// One JSON object; every value is a number, a fixed word, hex text or an
// object built here, so nothing needs escaping.
class Line
{
public:
    Line(Switch &s, const char *event)
    {
        m_text = "{\"seq\":" + std::to_string(++s.seq) + ",\"pid\":" + std::to_string(getpid());
        text("event", event);
    }
    Line &num(const char *key, long value) { return raw(key, std::to_string(value)); }
    Line &text(const char *key, const std::string &value) { return raw(key, '"' + value + '"'); }
    Line &raw(const char *key, const std::string &json)
    {
        m_text += std::string(",\"") + key + "\":" + json;
        return *this;
    }
    void write()
    {
        const char *path = env("SEAMRUN_EMU_LOG");
        if (!path)
            return;
        if (FILE *f = std::fopen(path, "a")) {
            std::fprintf(f, "%s}\n", m_text.c_str());
            std::fclose(f);
        }
    }

private:
    std::string m_text;
};

std::string portJson(const PortRecord &p)
{
    char buf[200];
    std::snprintf(buf, sizeof buf,
                  "{\"portNum\":%d,\"monitorNum\":%d,\"x\":%d,\"y\":%d,\"width\":%d,\"height\":%d,"
                  "\"main_x\":%d,\"main_y\":%d}",
                  p.portNum, p.monitorNum, p.x, p.y, p.width, p.height, p.mainX, p.mainY);
    return buf;
}

std::string mouseJson(const MouseRecord &m)
{
    char buf[200];
    std::snprintf(buf, sizeof buf,
                  "{\"serialNum\":%d,\"acceleration\":%d,\"speed\":%d,\"position\":%d,\"focus\":%d,"
                  "\"duration\":%d,\"awake\":%d}",
                  m.serialNum, m.mode, m.level, m.position, m.focus, m.duration, m.awake);
    return buf;
}

std::string transactionJson(const Switch &s)
{
    std::string ports = "[";
    for (size_t i = 0; i < s.ports.size(); ++i)
        ports += (i ? "," : "") + portJson(s.ports[i]);
    ports += "]";
    return "{\"announced\":" + std::to_string(s.announced) + ",\"ports\":" + ports
           + ",\"mouse\":" + (s.haveMouse ? mouseJson(s.mouse) : std::string("null")) + "}";
}

// --- the switch -------------------------------------------------------------

PortRecord decodePort(const unsigned char *r)
{
    return {r[1], r[2], r[3], r[4], r[5] | (r[6] << 8), r[7] | (r[8] << 8), r[9], r[10]};
}

MouseRecord decodeMouse(const unsigned char *r)
{
    return {r[1], r[2], r[3], r[4], r[5] >> 7, r[5] & 0x7F, r[6]};
}

// Acts on one well-formed request; returns the status and fills the data bytes.
int act(Switch &s, const Command &c, const unsigned char *r, unsigned char *reply, Line &line)
{
    switch (c.code) {
    case 0x41: {
        unsigned char version[4] = {1, 0, 6, 1};
        bytesFrom("SEAMRUN_EMU_VERSION", version, 4);
        std::memcpy(reply + 2, version, 4);
        reply[6] = static_cast<unsigned char>(number("SEAMRUN_EMU_CHAIN", 1) & 0xFF);
        return 0;
    }
    case 0x4A: {
        unsigned char status[4] = {1, 0, 1, 0};
        bytesFrom("SEAMRUN_EMU_PORT_STATUS", status, 4);
        std::memcpy(reply + 2, status, 4);
        return 0;
    }
    case 0x46:
        return 0;
    case 0x42:
        s.listOpen = true;
        s.announced = r[1];
        s.ports.clear();
        s.haveMouse = false;
        s.refusedAtRecord = 0;
        return 0;
    case 0x43: {
        if (!s.listOpen)
            return kRefused;
        const long record = static_cast<long>(s.ports.size()) + 1;
        line.num("record", record);
        // "N:K[:STATUS]": the first K attempts at record N are refused.
        if (const char *v = env("SEAMRUN_EMU_REFUSE_RECORD")) {
            const std::vector<std::string> f = split(v, ':');
            if (f.size() >= 2 && toNumber(f[0], 0) == record && s.refusedAtRecord < toNumber(f[1], 0)) {
                ++s.refusedAtRecord;
                return f.size() >= 3 ? static_cast<int>(toNumber(f[2], kRefused) & 0xFF) : kRefused;
            }
        }
        s.ports.push_back(decodePort(r));
        s.refusedAtRecord = 0;
        return 0;
    }
    case 0x44:
        if (!s.listOpen)
            return kRefused;
        s.mouse = decodeMouse(r);
        s.haveMouse = true;
        return 0;
    case 0x45: {
        if (!s.listOpen)
            return kRefused;
        // The list is complete when the host counts what was announced and
        // what the switch accepted.
        const int accepted = static_cast<int>(s.ports.size()) + (s.haveMouse ? 1 : 0);
        line.num("accepted", accepted).raw("transaction", transactionJson(s));
        s.listOpen = false;
        const bool partOfListWillDo = flag("SEAMRUN_EMU_ACCEPT_SHORT_LIST");
        return (r[1] == (accepted & 0xFF) && (partOfListWillDo || r[1] == s.announced)) ? 0 : kRefused;
    }
    }
    return kRefused;
}

void decodeRequest(const Command &c, const unsigned char *r, Line &line)
{
    switch (c.code) {
    case 0x42:
        line.num("amount", r[1]);
        break;
    case 0x43:
        line.raw("port", portJson(decodePort(r)));
        break;
    case 0x44:
        line.raw("mouse", mouseJson(decodeMouse(r)));
        break;
    case 0x45:
        line.num("count", r[1]);
        break;
    }
}

void decodeReply(const Command &c, const unsigned char *reply, Line &line)
{
    line.num("status", reply[1]);
    if (reply[1] != 0)
        return;
    if (c.code == 0x41) {
        std::string version;
        for (int i = 2; i <= 6; ++i)
            version += std::to_string(reply[i]);
        line.text("version", version);
    } else if (c.code == 0x4A) {
        line.num("apportNum", reply[2]).num("listNum", reply[3]).num("curportNum", reply[4]);
        line.num("mouseposition", reply[5]);
    }
}

unsigned char sum8(const unsigned char *data, int len)
{
    unsigned int sum = 0;
    for (int i = 0; i < len; ++i)
        sum += data[i];
    return static_cast<unsigned char>(sum & 0xFF);
}

} // namespace

// --- hidapi entry points ----------------------------------------------------

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    const bool fail = flag("SEAMRUN_EMU_INIT_FAIL");
    s.globalError = fail ? L"hid_init: the HID library could not start (emulated fault: SEAMRUN_EMU_INIT_FAIL)"
                         : L"Success";
    Line(s, "init").num("result", fail ? -1 : 0).write();
    return fail ? -1 : 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    Line(s, "exit").num("handles", static_cast<long>(s.handles.size())).write();
    s.globalError = L"Success";
    return 0;
}

// The switch, when it is attached and matches the ids asked for (0 matches
// any); read from the environment at every call.
struct hid_device_info HID_API_EXPORT *HID_API_CALL hid_enumerate(unsigned short vendor_id,
                                                                  unsigned short product_id)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    const long vid = number("SEAMRUN_EMU_VID", 0x1209);
    const long pid = number("SEAMRUN_EMU_PID", 0x0001);
    if (!present(s) || (vendor_id && vendor_id != vid) || (product_id && product_id != pid))
        return nullptr;
    auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
    if (!info)
        return nullptr;
    info->path = strdup(kDevicePath);
    info->vendor_id = static_cast<unsigned short>(vid);
    info->product_id = static_cast<unsigned short>(pid);
    info->serial_number = wcsdup(L"0001");
    info->manufacturer_string = wcsdup(L"Seamrun");
    info->product_string = wcsdup(L"OrrinKM (emulated)");
    info->bus_type = HID_API_BUS_USB;
    return info;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info *devs)
{
    while (devs) {
        hid_device_info *next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device *HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t *serial_number)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    Line line(s, "open");
    line.num("vid", vendor_id).num("pid", product_id);
    const bool match = vendor_id == number("SEAMRUN_EMU_VID", 0x1209)
                       && product_id == number("SEAMRUN_EMU_PID", 0x0001)
                       && (!serial_number || std::wcscmp(serial_number, L"0001") == 0);
    if (!present(s) || !match) {
        // hidapi's own words when nothing matches; an absent or unplugged
        // switch looks the same from here.
        s.globalError = flag("SEAMRUN_EMU_ABSENT")
                            ? L"No HID devices with requested VID/PID found in the system. "
                              L"(emulated fault: SEAMRUN_EMU_ABSENT)"
                            : L"No HID devices with requested VID/PID found in the system.";
        line.num("handle", 0).num("handles", static_cast<long>(s.handles.size())).write();
        return nullptr;
    }
    if (flag("SEAMRUN_EMU_NO_ACCESS")) {
        // hidraw's words when open(2) of the node is refused.
        s.globalError = L"Failed to open a device with path 'seamrun-switch-emulator': Permission denied "
                        L"(emulated fault: SEAMRUN_EMU_NO_ACCESS)";
        line.num("handle", 0).num("handles", static_cast<long>(s.handles.size())).text("error", "no access");
        line.write();
        return nullptr;
    }
    s.globalError = L"Success";
    hid_device *dev = new hid_device{++s.opened, L"Success"};
    s.handles.insert(dev);
    line.num("handle", static_cast<long>(dev->number)).num("handles", static_cast<long>(s.handles.size()));
    line.write();
    return dev;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device *dev)
{
    if (!dev)
        return;
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    Line line(s, "close");
    // A handle closed twice is a bug in the caller: report it, never free twice.
    if (!s.handles.erase(dev)) {
        line.text("error", "stale handle").write();
        return;
    }
    line.num("handle", static_cast<long>(dev->number)).num("handles", static_cast<long>(s.handles.size()));
    line.write();
    delete dev;
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device *dev, const unsigned char *data,
                                                        size_t length)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    Line line(s, "request");
    if (!s.handles.count(dev)) {
        line.text("error", "stale handle").num("result", -1).write();
        return -1;
    }
    if (!data || length == 0) {
        transferError(dev, "SFEATURE", "Invalid argument");
        line.text("error", "no data").num("result", -1).write();
        return -1;
    }
    // Reports are short; a longer one is logged cut and refused below.
    const int len = static_cast<int>(std::min<size_t>(length, 64));
    const int written = static_cast<int>(std::min<size_t>(length, INT_MAX));
    const Command *c = findCommand(data[0]);
    line.text("op", c ? c->name : "unknown").num("len", written);
    line.text("bytes", hex(data, static_cast<size_t>(len)));
    if (!present(s)) {
        transferError(dev, "SFEATURE", "No such device",
                      flag("SEAMRUN_EMU_ABSENT") ? "ABSENT" : "UNPLUG_AFTER");
        line.text("fault", "unplugged").num("result", -1).write();
        return -1;
    }
    if (!c) {
        // The switch stalls on a report it does not know.
        transferError(dev, "SFEATURE", "Broken pipe");
        line.text("error", "unknown report id").num("result", -1).write();
        return -1;
    }
    if (listed("SEAMRUN_EMU_FAIL_SEND", c->code)) {
        transferError(dev, "SFEATURE", "Broken pipe", "FAIL_SEND");
        line.text("fault", "send").num("result", -1).write();
        return -1;
    }
    ++s.packets;
    dev->error = L"Success";

    unsigned char reply[kMaxReply] = {};
    reply[0] = static_cast<unsigned char>(c->code | 0x80);
    long forced = 0;
    int status;
    if (length != static_cast<size_t>(c->requestLen)) {
        line.text("checksum", "unchecked");
        status = kBadLength;
    } else if (sum8(data, len - 1) != data[len - 1]) {
        line.text("checksum", "bad");
        status = kBadChecksum;
    } else {
        line.text("checksum", "ok");
        decodeRequest(*c, data, line);
        if (lookup("SEAMRUN_EMU_REFUSE", c->code, &forced) && (forced & 0xFF) != 0)
            status = static_cast<int>(forced & 0xFF);
        else
            status = act(s, *c, data, reply, line);
    }
    reply[1] = static_cast<unsigned char>(status);
    if (status != 0)
        std::memset(reply + 2, 0, sizeof reply - 2);
    reply[c->replyLen - 1] = sum8(reply, c->replyLen - 1);
    std::memcpy(s.reply, reply, sizeof reply);
    s.replyLen = c->replyLen;
    s.pending = true;
    // Like hidraw: the whole report counts as written.
    line.num("result", written).write();
    return written;
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    Line line(s, "reply");
    if (!s.handles.count(dev)) {
        line.text("error", "stale handle").num("result", -1).write();
        return -1;
    }
    if (!data || length == 0) {
        transferError(dev, "GFEATURE", "Invalid argument");
        line.text("error", "no buffer").num("result", -1).write();
        return -1;
    }
    const Command *c = findCommand(data[0] & 0x7F);
    line.text("op", (c && (data[0] & 0x80)) ? c->name : "unknown");
    line.text("id", hex(data, 1));
    if (!present(s)) {
        transferError(dev, "GFEATURE", "No such device",
                      flag("SEAMRUN_EMU_ABSENT") ? "ABSENT" : "UNPLUG_AFTER");
        line.text("fault", "unplugged").num("result", -1).write();
        return -1;
    }
    // Only the reply to the last request is there to be read.
    if (!s.pending || data[0] != s.reply[0]) {
        transferError(dev, "GFEATURE", "Broken pipe");
        line.text("error", "no such report").num("result", -1).write();
        return -1;
    }
    if (listed("SEAMRUN_EMU_FAIL_READ", c->code)) {
        transferError(dev, "GFEATURE", "Broken pipe", "FAIL_READ");
        line.text("fault", "read").num("result", -1).write();
        return -1;
    }
    ++s.packets;
    dev->error = L"Success";

    int n = std::min(static_cast<int>(length), s.replyLen);
    long shortLen = 0;
    if (lookup("SEAMRUN_EMU_SHORT", c->code, &shortLen))
        n = std::max(0, std::min(n, static_cast<int>(shortLen)));
    std::memcpy(data, s.reply, static_cast<size_t>(n));
    line.num("len", n).text("bytes", hex(s.reply, static_cast<size_t>(n)));
    decodeReply(*c, s.reply, line);
    line.num("result", n).write();
    return n;
}

// The switch's node as access(2) sees it: readable and writable unless
// SEAMRUN_EMU_NO_ACCESS is set. Any other path is the C library's.
int access(const char *path, int mode) __THROW
{
    if (std::strcmp(path, kDevicePath) == 0) {
        if (flag("SEAMRUN_EMU_NO_ACCESS") && (mode & (R_OK | W_OK))) {
            errno = EACCES;
            return -1;
        }
        return 0;
    }
    using AccessFunction = int (*)(const char *, int);
    static const AccessFunction next = reinterpret_cast<AccessFunction>(dlsym(RTLD_NEXT, "access"));
    if (!next) {
        errno = ENOSYS;
        return -1;
    }
    return next(path, mode);
}

HID_API_EXPORT const wchar_t *HID_API_CALL hid_error(hid_device *dev)
{
    Switch &s = theSwitch();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!dev)
        return s.globalError.c_str();
    // A handle this switch does not hold (closed, or never opened) is not
    // dereferenced: hidapi would crash, a test should read why instead.
    if (!s.handles.count(dev))
        return L"hid_error: not an open handle";
    return dev->error.c_str();
}

} // extern "C"
