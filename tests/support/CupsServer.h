#pragma once
// A private CUPS scheduler for printing tests: its own configuration, spool and log folders,
// a local socket, and one cups-pdf queue whose jobs land as PDF files in a folder of ours.
// Clients reach it through CUPS_SERVER=<socket>. Needs root (cupsd, and cups-pdf reads its
// instance settings from /etc/cups); stopped by its process id.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "support/TestSupport.h"

namespace testsupport {

class PrivateCups {
public:
    PrivateCups() : instance_("tolvane-" + std::to_string(::getpid())) { start(); }
    ~PrivateCups()
    {
        stop();
        std::error_code ec;
        std::filesystem::remove(pdfConf(), ec);
    }
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    bool ok() const { return pid_ > 0 && why_.empty(); }
    const std::string& whyNot() const { return why_; }
    const std::string& socket() const { return socket_; }
    std::string queue() const { return "TolvanePDF"; }
    std::string outputDir() const { return dir_.file("out"); }
    // Prefix for a shell command line that talks to this scheduler.
    std::string env() const { return "CUPS_SERVER='" + socket_ + "' "; }
    std::string errorLog() const { return readFile(dir_.file("log/error_log")); }

    // The PDFs of finished jobs in job order, once `count` have landed and no job is pending
    // (or when the time is up: then fewer are returned).
    std::vector<std::string> waitForJobs(std::size_t count, int timeoutMs)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            auto files = jobFiles();
            const bool pending = !runCommand(env() + "lpstat -o 2>/dev/null").output.empty();
            if ((files.size() >= count && !pending) || std::chrono::steady_clock::now() > deadline)
                return files;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }

    std::vector<std::string> jobFiles() const
    {
        std::vector<std::pair<int, std::string>> jobs;
        const std::regex number("job_([0-9]+)");
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(outputDir(), ec)) {
            const std::string name = entry.path().filename().string();
            std::smatch m;
            if (entry.path().extension() == ".pdf" && std::regex_search(name, m, number))
                jobs.emplace_back(std::stoi(m[1]), entry.path().string());
        }
        std::sort(jobs.begin(), jobs.end());
        std::vector<std::string> out;
        for (auto& j : jobs)
            out.push_back(j.second);
        return out;
    }

    void stop()
    {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 100 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (::waitpid(pid_, &status, WNOHANG) == 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
        pid_ = -1;
    }

private:
    std::string pdfConf() const { return "/etc/cups/cups-pdf-" + instance_ + ".conf"; }

    void fail(const std::string& why)
    {
        why_ = why;
        stop();
    }

    void start()
    {
        if (::geteuid() != 0)
            return fail("the private scheduler needs root");
        if (!haveTool("cupsd") && !std::filesystem::exists("/usr/sbin/cupsd"))
            return fail("cupsd is not installed");
        if (!std::filesystem::exists("/usr/lib/cups/backend/cups-pdf"))
            return fail("cups-pdf is not installed");
        const std::string d = dir_.path();
        for (const char* sub : {"conf", "spool", "spool/tmp", "cache", "state", "log", "out", "run", "pdfspool"})
            std::filesystem::create_directories(d + "/" + sub);
        // The scheduler's helpers run as lp: let them into every folder.
        runCommand("chmod -R 0777 '" + d + "'");
        socket_ = d + "/run/cups.sock";
        writeFile(d + "/conf/cupsd.conf",
                  "Listen " + socket_ + "\nLogLevel info\nBrowsing Off\nWebInterface No\nDefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Location /admin>\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
        writeFile(d + "/conf/cups-files.conf",
                  "ServerRoot " + d + "/conf\nRequestRoot " + d + "/spool\nTempDir " + d + "/spool/tmp\nCacheDir " + d +
                      "/cache\nStateDir " + d + "/state\nErrorLog " + d + "/log/error_log\nAccessLog " + d +
                      "/log/access_log\nPageLog " + d + "/log/page_log\nPrintcap " + d +
                      "/conf/printcap\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n");
        writeFile(pdfConf(), "Out " + d + "/out\nAnonDirName " + d + "/out\nSpool " + d + "/pdfspool\nLog " + d +
                                 "/log\nGrp root\nUserUMask 0000\n");

        pid_ = ::fork();
        if (pid_ == 0) {
            ::execl("/usr/sbin/cupsd", "cupsd", "-f", "-c", (d + "/conf/cupsd.conf").c_str(), "-s",
                    (d + "/conf/cups-files.conf").c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pid_ < 0)
            return fail("fork failed");
        bool up = false;
        for (int i = 0; i < 100 && !up; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return fail("cupsd ended at once: " + readFile(d + "/log/error_log"));
            }
            up = std::filesystem::exists(socket_) &&
                 runCommand(env() + "lpstat -r 2>&1").output.find("is running") != std::string::npos;
        }
        if (!up)
            return fail("cupsd did not answer: " + readFile(d + "/log/error_log"));
        const auto added = runCommand(env() + "lpadmin -p " + queue() + " -E -v cups-pdf:/" + instance_ +
                                      " -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1 && " + env() +
                                      "lpadmin -d " + queue() + " 2>&1");
        if (added.exitCode != 0)
            return fail("lpadmin failed: " + added.output);
    }

    TempDir dir_;
    std::string instance_;
    std::string socket_;
    std::string why_;
    pid_t pid_ = -1;
};

} // namespace testsupport
