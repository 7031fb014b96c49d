#include "support/SpawnedProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <thread>

extern char** environ;

namespace testsupport
{
namespace
{
std::vector<std::string> environmentWith (const SpawnedProcess::Options& options)
{
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry)
    {
        const std::string text (*entry);
        const auto equals = text.find ('=');
        if (equals != std::string::npos)
            variables[text.substr (0, equals)] = text.substr (equals + 1);
    }
    for (const auto& [name, value] : options.environment)
    {
        if (value)
            variables[name] = *value;
        else
            variables.erase (name);
    }

    std::vector<std::string> result;
    for (const auto& [name, value] : variables)
        result.push_back (name + "=" + value);
    return result;
}

std::vector<char*> pointersTo (std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (auto& text : texts)
        pointers.push_back (text.data());
    pointers.push_back (nullptr);
    return pointers;
}
} // namespace

SpawnedProcess::SpawnedProcess (const juce::StringArray& arguments, const Options& options)
    : outputFile (outputFolder.getFolder().getChildFile ("output.txt"))
{
    std::vector<std::string> argumentTexts;
    for (const auto& argument : arguments)
        argumentTexts.push_back (argument.toStdString());
    auto environmentTexts = environmentWith (options);
    auto argv = pointersTo (argumentTexts);
    auto envp = pointersTo (environmentTexts);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init (&actions);
    const auto outputPath = outputFile.getFullPathName().toStdString();
    posix_spawn_file_actions_addopen (&actions, STDOUT_FILENO, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2 (&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addopen (&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const auto folder = options.workingFolder.getFullPathName().toStdString();
    if (options.workingFolder != juce::File())
        posix_spawn_file_actions_addchdir_np (&actions, folder.c_str());

    if (posix_spawn (&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy (&actions);
}

SpawnedProcess::~SpawnedProcess()
{
    if (isRunning())
    {
        ::kill (pid, SIGKILL);
        reap (true);
    }
}

bool SpawnedProcess::reap (bool block)
{
    if (pid <= 0 || exitCode)
        return exitCode.has_value();

    int status = 0;
    const auto result = ::waitpid (pid, &status, block ? 0 : WNOHANG);
    if (result != pid)
        return false;

    exitCode = WIFEXITED (status) ? WEXITSTATUS (status) : -WTERMSIG (status);
    return true;
}

bool SpawnedProcess::isRunning()
{
    return pid > 0 && ! reap (false);
}

std::optional<int> SpawnedProcess::waitForExit (int timeoutMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMilliseconds);
    while (isRunning() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for (std::chrono::milliseconds (10));
    return exitCode;
}

void SpawnedProcess::sendSignal (int signal)
{
    if (isRunning())
        ::kill (pid, signal);
}

juce::String SpawnedProcess::getOutput() const
{
    return outputFile.loadFileAsString();
}

juce::File SpawnedProcess::currentExecutable()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile);
}
} // namespace testsupport
