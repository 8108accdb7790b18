#!/usr/bin/env perl
# Numbers and texts that are stated in one place only:
#   - each tool's program name and screen version: in <tool>/ScreenVersion.h, and no other file of
#     the tool defines them or spells a version text ("(Ver...") of its own;
#   - a shared constant (the grid's codes, say): a name that a header of framework/ or common/
#     gives a number or a text is given one in no other header there.
#     perl tools/check-stated-once.pl [TOP]        exit 1 and one line a finding when any
use strict;
use warnings;
use File::Find;

my $top = shift // '.';
my @tools = qw(transfer debit localtax);

my @files;
for my $dir (qw(framework common), @tools, 'tools') {
    next unless -d "$top/$dir";
    find({ no_chdir => 1, wanted => sub {
        push @files, $File::Find::name if -f && /\.(h|cpp)$/;
    } }, "$top/$dir");
}

sub lines_of {
    my ($file) = @_;
    open my $in, '<', $file or die "check-stated-once: $file: $!\n";
    my @lines = <$in>;
    close $in;
    return @lines;
}

my @findings;
my %stated;  # shared constant => the headers that give it a value
for my $file (sort @files) {
    (my $rel = $file) =~ s{^\Q$top\E/}{};
    my ($tool) = grep { index($rel, "$_/") == 0 } @tools;
    my $home = defined $tool && $rel eq "$tool/ScreenVersion.h";
    my $n = 0;
    for my $line (lines_of($file)) {
        ++$n;
        next if $line =~ m{^\s*//};
        if (defined $tool && !$home) {
            push @findings, "$rel:$n: defines $1; the tool states it in $tool/ScreenVersion.h"
                if $line =~ /\bconstexpr\b[^=]*\b(kProgramName|kScreenVersion)\b\s*(?:\[\])?\s*=/;
            push @findings, "$rel:$n: spells a version text; the tool states it in $tool/ScreenVersion.h"
                if $line =~ /"\(Ver\d/;
        }
        if ($rel =~ m{^(framework|common)/.*\.h$}
            && $line =~ /\bconstexpr\b[^=]*?\b(k\w+)\s*(?:\[\])?\s*=\s*(?:-?\d|"|')/) {
            push @{$stated{$1}}, "$rel:$n";
        }
    }
}
for my $name (sort keys %stated) {
    my @at = @{$stated{$name}};
    push @findings, "$_: states $name, as $at[0] does" for @at[1 .. $#at];
}
for my $tool (@tools) {
    next unless -d "$top/$tool";
    push @findings, "$tool/ScreenVersion.h: missing" unless -f "$top/$tool/ScreenVersion.h";
}
print "$_\n" for @findings;
printf "check-stated-once: %d files, %d findings\n", scalar @files, scalar @findings;
exit(@findings ? 1 : 0);
