#!/usr/bin/perl
# Checks a delivered message master, its table of ids and the message calls of the sources:
#
#   perl tools/check-messages.pl --master build/x86_64/programs/Korxf300/mstKORXF001.ini \
#        --table resources/transfer/message-ids.tsv --sources transfer common
#
# The master (CP932 bytes, as delivered):
#   - every line, the last one included, ends in CR LF; no other CR or LF; at most 418 bytes;
#   - a line is "id","type","icon","text": the sequence "," occurs exactly three times;
#   - ids are 0..9999, unique and ascending; type 0..5; icon 16, 32, 48 or 64;
#   - the text is not empty, converts from CP932 and back to the same bytes, holds no control
#     or private-use character; every "%" starts "%s" (the inserted words are printf'ed); every
#     backslash starts the two characters \n, and a byte-wise search finds no other \n (a
#     double-byte character whose second byte is 0x5C, followed by "n").
#
# The table (tab-separated, one header line, then: id, words, type, icon, situation):
#   - the same ids as the master, in ascending order, with the same type and icon;
#   - words: the word counts that callers pass, e.g. "1", or "0,2" where some callers pass
#     words that the text does not use; the smallest count is the number of "%s" in the text.
#
# The sources (every .cpp and .h below the given folders): a call is the name ShowMessage
# followed by "(" (regex \bShowMessage\s*\(), outside comments and string literals. Its
# arguments are split at the commas outside parentheses, brackets, braces and literals. When
# the first argument is a decimal integer it is the id (a screen's ShowMessage(id, words...));
# otherwise when the second one is, that is the id (the table's ShowMessage(owner, id, ...)).
# The arguments after the id are the words; trailing nullptr, NULL or 0 are absent words.
# Calls whose id is not a literal (a variable, a constant, a declaration) are passed over.
# Each call's id must be in the master and its word count among the table's counts.
use strict;
use warnings;
use Encode ();
use File::Find ();
use Getopt::Long ();

my ($master_path, $table_path, @source_dirs);
Getopt::Long::GetOptions(
    'master=s'     => \$master_path,
    'table=s'      => \$table_path,
    'sources=s{1,}' => \@source_dirs,
) or usage();
usage() unless defined $master_path && defined $table_path;

my @problems;
sub problem { push @problems, join('', @_) }

my %master = read_master($master_path);    # id => { type, icon, words, line }
my %table  = read_table($table_path);      # id => { counts => [...], type, icon, line }
compare_table(\%master, \%table);

my ($calls, %used) = (0);
for my $dir (@source_dirs) {
    problem("$dir: no such folder") unless -d $dir;
}
for my $file (source_files(@source_dirs)) {
    for my $call (scan_calls($file)) {
        $calls++;
        $used{ $call->{id} } = 1;
        check_call($file, $call, \%master, \%table);
    }
}

for (@problems) { print "check-messages: $_\n" }
my $used = grep { exists $master{$_} } keys %used;
printf "check-messages: %d ids, checked %d message calls using %d of them: %s\n",
    scalar(keys %master), $calls, $used, @problems ? scalar(@problems) . ' problem(s)' : 'OK';
exit(@problems ? 1 : 0);

sub usage {
    die "usage: check-messages.pl --master FILE --table FILE [--sources DIR...]\n";
}

sub slurp {
    my ($path) = @_;
    open my $fh, '<:raw', $path or do { problem("$path: cannot read: $!"); return undef };
    local $/;
    my $bytes = <$fh>;
    return defined $bytes ? $bytes : '';
}

sub read_master {
    my ($path) = @_;
    my $bytes = slurp($path);
    return () unless defined $bytes;
    if ($bytes eq '') {
        problem("$path: the master is empty");
        return ();
    }
    my @lines = split /\r\n/, $bytes, -1;
    my $rest = pop @lines;    # what follows the last CR LF
    my $last_number = @lines + 1;
    problem("$path:$last_number: the last line does not end in CR LF") if $rest ne '';

    my (%entries, $previous_id);
    my $number = 0;
    for my $line (@lines) {
        $number++;
        my $at = "$path:$number";
        if ($line =~ /[\r\n]/) {
            problem("$at: a CR or LF that is not part of a CR LF line end");
            next;
        }
        problem("$at: ", length($line), " bytes, more than 418") if length($line) > 418;
        my $separators = () = $line =~ /","/g;
        if ($separators != 3) {
            problem("$at: not four fields (\",\" occurs $separators times, the text may hold none)");
            next;
        }
        my ($id, $type, $icon, $text) = $line =~ /\A"([^"]*)","([^"]*)","([^"]*)","(.*)"\z/s
            or do { problem("$at: not of the form \"id\",\"type\",\"icon\",\"text\""); next };
        if ($id !~ /\A(?:0|[1-9][0-9]{0,3})\z/) {
            problem("$at: id \"$id\" is not a number 0..9999");
            next;
        }
        problem("$at: type \"$type\" is not 0..5") unless $type =~ /\A[0-5]\z/;
        problem("$at: icon \"$icon\" is not 16, 32, 48 or 64") unless $icon =~ /\A(?:16|32|48|64)\z/;
        if (defined $previous_id && $id <= $previous_id) {
            problem("$at: id $id ", $id == $previous_id ? 'occurs twice' : "follows $previous_id");
        }
        $previous_id = $id;
        my $words = check_text($at, $text);
        $entries{$id} = { type => $type, icon => $icon, words => $words, line => $number }
            unless exists $entries{$id};
    }
    return %entries;
}

# Returns the number of "%s" in the text.
sub check_text {
    my ($at, $bytes) = @_;
    if ($bytes eq '') {
        problem("$at: the text is empty");
        return 0;
    }
    my $text = eval { Encode::decode('cp932', $bytes, Encode::FB_CROAK | Encode::LEAVE_SRC) };
    if (!defined $text || Encode::encode('cp932', $text) ne $bytes) {
        problem("$at: the text is not valid CP932");
        return 0;
    }
    problem("$at: the text holds a control character") if $text =~ /[\x00-\x1F\x7F-\x9F]/;
    problem("$at: the text holds a private-use character") if $text =~ /[\x{E000}-\x{F8FF}]/;
    problem("$at: a \"%\" that is not \"%s\"") if $text =~ /%(?!s)/;
    problem("$at: a backslash that is not \"\\n\"") if $text =~ /\\(?!n)/;
    my $breaks = () = $text =~ /\\n/g;
    my $byte_breaks = () = $bytes =~ /\\n/g;
    if ($byte_breaks != $breaks) {
        problem("$at: a double-byte character ending in 0x5C is followed by \"n\"",
                " (a byte-wise search would take it for a line break)");
    }
    my $words = () = $text =~ /%s/g;
    return $words;
}

sub read_table {
    my ($path) = @_;
    my $bytes = slurp($path);
    return () unless defined $bytes;
    my @lines = split /\n/, $bytes;
    my $header = shift @lines // '';
    problem("$path:1: the header is not id, words, type, icon, situation")
        unless $header eq "id\twords\ttype\ticon\tsituation";
    my (%rows, $previous_id);
    my $number = 1;
    for my $line (@lines) {
        $number++;
        my @fields = split /\t/, $line, -1;
        my ($id, $words, $type, $icon, $situation) = @fields;
        if (@fields != 5 || $id !~ /\A[0-9]+\z/ || $words !~ /\A[0-5](?:,[0-5])*\z/
            || $type !~ /\A[0-9]+\z/ || $icon !~ /\A[0-9]+\z/ || $situation eq '') {
            problem("$path:$number: not id, words (e.g. 1 or 0,2), type, icon, situation");
            next;
        }
        if (defined $previous_id && $id <= $previous_id) {
            problem("$path:$number: id $id ", $id == $previous_id ? 'occurs twice' : "follows $previous_id");
        }
        $previous_id = $id;
        my @counts = sort { $a <=> $b } split /,/, $words;
        $rows{$id} = { counts => \@counts, type => $type, icon => $icon, line => $number };
    }
    return %rows;
}

sub compare_table {
    my ($master, $table) = @_;
    for my $id (sort { $a <=> $b } keys %$master) {
        my $entry = $master->{$id};
        my $row = $table->{$id};
        if (!$row) {
            problem("$table_path: id $id of the master is missing");
            next;
        }
        my $at = "$table_path:$row->{line}: id $id";
        problem("$at: the text takes $entry->{words} word(s), the table says $row->{counts}[0]")
            if $row->{counts}[0] != $entry->{words};
        problem("$at: type $row->{type}, the master has $entry->{type}") if $row->{type} != $entry->{type};
        problem("$at: icon $row->{icon}, the master has $entry->{icon}") if $row->{icon} != $entry->{icon};
    }
    for my $id (sort { $a <=> $b } keys %$table) {
        problem("$table_path:$table->{$id}{line}: id $id is not in the master") unless $master->{$id};
    }
}

sub source_files {
    my @files;
    my @dirs = grep { -d } @_;
    File::Find::find({ no_chdir => 1, wanted => sub { push @files, $_ if -f && /\.(?:cpp|h)\z/ } },
                     @dirs) if @dirs;
    return sort @files;
}

# Blanks comments and the insides of string and character literals (keeping line breaks), so
# that neither is read as code.
sub mask_source {
    my ($code) = @_;
    my $masked = '';
    while ($code =~ m{\G(?:(//[^\n]*)|(/\*.*?(?:\*/|\z))|("(?:\\.|[^"\\\n])*"?)|('(?:\\.|[^'\\\n])*'?)|(.))}gs) {
        if (defined $1 || defined $2) {
            (my $blank = $+) =~ s/[^\n]/ /g;
            $masked .= $blank;
        } elsif (defined $3 || defined $4) {
            my $literal = $+;
            my $quote = substr($literal, 0, 1);
            (my $inside = substr($literal, 1)) =~ s/[^\n]/x/g;
            $masked .= $quote . $inside;
        } else {
            $masked .= $5;
        }
    }
    return $masked;
}

sub scan_calls {
    my ($file) = @_;
    my $code = slurp($file);
    return () unless defined $code;
    my $masked = mask_source($code);
    my @calls;
    while ($masked =~ /\bShowMessage\s*\(/g) {
        my $start = pos($masked);
        my $line = 1 + (() = substr($masked, 0, $start) =~ /\n/g);
        my ($depth, $arg, @args) = (0, '');
        my $closed = 0;
        for my $i ($start .. length($masked) - 1) {
            my $c = substr($masked, $i, 1);
            if ($c =~ /[(\[{]/) { $depth++ }
            elsif ($c =~ /[)\]}]/) {
                if ($depth == 0) { push @args, $arg; $closed = 1; last }
                $depth--;
            } elsif ($c eq ',' && $depth == 0) { push @args, $arg; $arg = ''; next }
            $arg .= $c;
        }
        next unless $closed;
        s/\A\s+|\s+\z//g for @args;
        my @words;
        my $id;
        if ($args[0] =~ /\A[0-9]+\z/) { $id = $args[0]; @words = @args[1 .. $#args] }
        elsif (@args > 1 && $args[1] =~ /\A[0-9]+\z/) { $id = $args[1]; @words = @args[2 .. $#args] }
        else { next }
        pop @words while @words && $words[-1] =~ /\A(?:nullptr|NULL|0)\z/;
        push @calls, { id => $id + 0, words => scalar(@words), line => $line };
    }
    return @calls;
}

sub check_call {
    my ($file, $call, $master, $table) = @_;
    my ($id, $words) = ($call->{id}, $call->{words});
    my $at = "$file:$call->{line}";
    my $entry = $id <= 9999 ? $master->{$id} : undef;
    if (!$entry) {
        problem("$at: ShowMessage uses id $id, which the master lacks");
        return;
    }
    my @counts = $table->{$id} ? @{ $table->{$id}{counts} } : ($entry->{words});
    return if grep { $_ == $words } @counts;
    problem("$at: ShowMessage($id) passes $words word(s); id $id takes ", join(' or ', @counts));
}
