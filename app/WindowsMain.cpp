#include "CommandLine.h"

#include "ConsoleStream.h"
#include "WideText.h"

#include <iostream>

// wmain: the arguments as the user typed them, in UTF-16, converted to the core's UTF-8.
int wmain(int argc, wchar_t **argv)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.push_back(Quiverstep::Narrow(argv[i]));
    Quiverstep::ConsoleStream out(Quiverstep::ConsoleStream::Output, std::cout);
    Quiverstep::ConsoleStream err(Quiverstep::ConsoleStream::Error, std::cerr);
    return Quiverstep::RunCommandLine(arguments, std::cin, out.stream(), err.stream());
}
