int codeUnderTest()
{
    return 1;
}
