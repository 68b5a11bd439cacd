// Stands in for the host's executable: only its version information is read.
int main() {
    return 0;
}
