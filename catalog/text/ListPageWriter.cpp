#include "catalog/text/ListPageWriter.h"

namespace {

std::function<bool(const ListPageJob&)>& TestWriter()
{
    static std::function<bool(const ListPageJob&)> writer;
    return writer;
}

} // namespace

void SetListPageWriterForTests(std::function<bool(const ListPageJob&)> writer)
{
    TestWriter() = std::move(writer);
}

bool WriteListPages(const ListPageJob& job)
{
    if (TestWriter())
        return TestWriter()(job);
    return false;
}
