// Placeholder entry point until the command line and the viewer land.
int main()
{
    return 0;
}
