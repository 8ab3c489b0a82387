// orusim: a simulated module on a pseudo-terminal, for trying the IDE by hand.
// Prints "READY COM<n> <pty>", then one JSON object per event; reads simple
// commands on standard input.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>
#include <string>

#include "tools/orusim/CliCommands.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;

namespace {
void PrintLine(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Applies one command; false when it asks to quit.
bool Apply(const CliCommand& command, PtyTransport& transport) {
    switch (command.kind) {
    case CliCommand::Kind::Quit: return false;
    case CliCommand::Kind::Empty: break;
    case CliCommand::Kind::PowerOn: transport.WithModule([](ProtocolEngine& m) { m.SetPower(true); }); break;
    case CliCommand::Kind::PowerOff: transport.WithModule([](ProtocolEngine& m) { m.SetPower(false); }); break;
    case CliCommand::Kind::Text: transport.WithModule([&](ProtocolEngine& m) { m.SendText(command.text); }); break;
    case CliCommand::Kind::Message:
        transport.WithModule([&](ProtocolEngine& m) { m.SendMessage(command.type, command.body); });
        break;
    case CliCommand::Kind::Input:
        transport.WithModule([&](ProtocolEngine& m) { m.SendInputRequests(command.count); });
        break;
    case CliCommand::Kind::Fault:
        transport.WithModule([&](ProtocolEngine& m) { AddFault(m.GetFaults(), command.fault); });
        break;
    case CliCommand::Kind::Garbage: transport.WithModule([&](ProtocolEngine& m) { m.SendRaw(command.body); }); break;
    case CliCommand::Kind::Flood:
        transport.WithModule([&](ProtocolEngine& m) { m.Flood(command.body, command.count); });
        break;
    case CliCommand::Kind::Unplug: transport.Stop(); break;
    }
    return true;
}

// Splits standard input into lines and applies them until quit, end of
// input or a signal.
void CommandLoop(int signalFd, PtyTransport& transport) {
    std::string buffer;
    for (;;) {
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {signalFd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) continue;
        if (fds[1].revents) return;
        char chunk[1024];
        ssize_t n = read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) return;
        buffer.append(chunk, static_cast<size_t>(n));
        for (size_t end; (end = buffer.find('\n')) != std::string::npos;) {
            std::string line = buffer.substr(0, end);
            buffer.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::string error;
            auto command = ParseCliCommand(line, error);
            if (!command) {
                std::fprintf(stderr, "orusim: %s\n", error.c_str());
                continue;
            }
            if (!Apply(*command, transport)) return;
        }
    }
}
}  // namespace

int main(int argc, char** argv) {
    std::string error;
    auto options = ParseCliArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "orusim: %s\n%s\n", error.c_str(), CliUsage().c_str());
        return 2;
    }
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    sigprocmask(SIG_BLOCK, &signals, nullptr);  // before any thread starts
    signal(SIGPIPE, SIG_IGN);
    int signalFd = signalfd(-1, &signals, SFD_CLOEXEC);

    // Events wait until the first line is out.
    std::mutex outputMutex;
    bool ready = false;
    std::vector<std::string> held;
    EventLog log;
    log.SetRetain(false);
    log.SetListener([&](const Event& event) {
        std::lock_guard<std::mutex> lock(outputMutex);
        if (ready) PrintLine(EventToJson(event));
        else held.push_back(EventToJson(event));
    });

    SteadyClock clock;
    std::unique_ptr<IExecutionEngine> engine;
    if (options->vm) engine = std::make_unique<OruVmEngine>();
    else engine = std::make_unique<ScriptedEngine>();
    ProtocolEngine module(clock, *engine, log);
    for (const CliFault& fault : options->faults) AddFault(module.GetFaults(), fault);
    PtyTransport transport(module, PtyOptions{options->portDir, options->com, options->paced});
    if (!transport.Start(error)) {
        std::fprintf(stderr, "orusim: %s\n", error.c_str());
        return 1;
    }
    {
        std::lock_guard<std::mutex> lock(outputMutex);
        PrintLine("READY COM" + std::to_string(options->com) + " " + transport.PtyPath());
        for (const std::string& line : held) PrintLine(line);
        ready = true;
    }

    CommandLoop(signalFd, transport);
    transport.Stop();
    log.SetListener({});
    if (signalFd >= 0) close(signalFd);
    return 0;
}
