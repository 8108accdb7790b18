#!/usr/bin/perl
# Checks one tool's message master, its list of ids and its table of named ids against each
# other and against every message the tool's code can show:
#
#   perl tools/check-messages.pl --master build/x86_64/programs/Korxf300/mstKORXF001.ini \
#        --table resources/transfer/message-ids.tsv --ids transfer/MessageIds.h \
#        --sources transfer common
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
# The list (tab-separated, one header line, then: id, words, type, icon, use, situation):
#   - the same ids as the master, in ascending order, with the same type and icon;
#   - words: the word counts that callers pass, e.g. "1", or "0,2" where some callers pass
#     words that the text does not use; the smallest count is the number of "%s" in the text;
#   - use: "shown", or "unused" for an id of the master that no code shows on purpose.
#
# The named ids (--ids): the enumerators "kName = number," of the tool's enumeration. Each
# names an id of the master, no number is named twice, and every id of the master is named.
#
# The sources (every .cpp and .h below the given folders but the ids file), comments and
# literals blanked. Every enumerator the code names (Msg::kName) is an id the code can show;
# each one is shown somewhere in a way the check can count its words, with counts the list
# allows, and it is listed "shown"; every id listed "shown" is named by the code. A message is
# shown where its id meets its words:
#   - a call of ShowMessage, FormatMessage or any function whose name begins with Show or Ask
#     (either case): the id is the first argument, or the second when the first names the
#     owner window (parent, owner, a window handle, GetSafeHwnd(), Parent()); the words follow;
#   - Fault(id, field, words...) and MayLeave(modified, id, words...);
#   - a braced list that begins with the id: {Msg::kName, words...};
# trailing nullptr, NULL or 0 are absent words. An id argument is an enumerator, a ternary of
# them, or a field of a table of ids (m.noName, m_text.messages.discard, *m.setAlone): a field
# is shown with the words of the calls that show it anywhere in the sources, and the tool gives
# an enumerator to a field where it writes ".field = Msg::kName" (or "field = Msg::kName").
# An id argument that is a number names a message by number, which only the enumeration may.
use strict;
use warnings;
use Encode ();
use File::Find ();
use Getopt::Long ();

my ($master_path, $table_path, $ids_path, @source_dirs);
Getopt::Long::GetOptions(
    'master=s'      => \$master_path,
    'table=s'       => \$table_path,
    'ids=s'         => \$ids_path,
    'sources=s{1,}' => \@source_dirs,
) or usage();
usage() unless defined $master_path && defined $table_path && defined $ids_path;

# The first argument of a show that names the owner window rather than the message.
my $owner_pattern = qr/\A(?:\w*(?:parent|owner|hwnd|window)\w*|GetSafeHwnd\(\)|Parent\(\)|nullptr)\z/i;

my @problems;
sub problem { push @problems, join('', @_) }

my %master = read_master($master_path);    # id => { type, icon, words, line }
my %table  = read_table($table_path);      # id => { counts => [...], type, icon, use, line }
compare_table(\%master, \%table);
my %names = read_ids($ids_path, \%master);    # name => { id, line }

for my $dir (@source_dirs) {
    problem("$dir: no such folder") unless -d $dir;
}
my (%named, %shown, %field_shows, %bindings);
# named: name => first "file:line" that names it
# shown: name => [ { words, at } ]; field_shows: field => [ { words, at } ]
# bindings: field => [ { name, at } ]
for my $file (source_files(@source_dirs)) {
    next if same_file($file, $ids_path);
    scan_file($file);
}
for my $field (keys %bindings) {
    for my $binding (@{ $bindings{$field} }) {
        for my $show (@{ $field_shows{$field} || [] }) {
            push @{ $shown{ $binding->{name} } },
                { words => $show->{words}, at => "$binding->{at} (.$field, shown at $show->{at})" };
        }
    }
}
check_uses();

for (@problems) { print "check-messages: $_\n" }
my $shown_ids = grep { $names{$_} && $shown{$_} } keys %named;
my $unused = grep { $table{$_}{use} eq 'unused' } keys %table;
printf "check-messages: %d ids, %d named, %d shown by the code and checked, %d unused: %s\n",
    scalar(keys %master), scalar(keys %names), $shown_ids, $unused,
    @problems ? scalar(@problems) . ' problem(s)' : 'OK';
exit(@problems ? 1 : 0);

sub usage {
    die "usage: check-messages.pl --master FILE --table FILE --ids FILE [--sources DIR...]\n";
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
    problem("$path:1: the header is not id, words, type, icon, use, situation")
        unless $header eq "id\twords\ttype\ticon\tuse\tsituation";
    my (%rows, $previous_id);
    my $number = 1;
    for my $line (@lines) {
        $number++;
        my @fields = split /\t/, $line, -1;
        my ($id, $words, $type, $icon, $use, $situation) = @fields;
        if (@fields != 6 || $id !~ /\A[0-9]+\z/ || $words !~ /\A[0-5](?:,[0-5])*\z/
            || $type !~ /\A[0-9]+\z/ || $icon !~ /\A[0-9]+\z/ || $use !~ /\A(?:shown|unused)\z/
            || $situation eq '') {
            problem("$path:$number: not id, words (e.g. 1 or 0,2), type, icon, use (shown or",
                    " unused), situation");
            next;
        }
        if (defined $previous_id && $id <= $previous_id) {
            problem("$path:$number: id $id ", $id == $previous_id ? 'occurs twice' : "follows $previous_id");
        }
        $previous_id = $id;
        my @counts = sort { $a <=> $b } split /,/, $words;
        $rows{$id} = { counts => \@counts, type => $type, icon => $icon, use => $use,
                       line => $number };
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

# The enumerators of the ids file: name => { id, line }.
sub read_ids {
    my ($path, $master) = @_;
    my $code = slurp($path);
    return () unless defined $code;
    my $masked = mask_source($code);
    my (%names, %by_id);
    while ($masked =~ /\b(k\w+)\s*=\s*([0-9]+)\s*,/g) {
        my ($name, $id) = ($1, $2 + 0);
        my $line = line_of($masked, $-[0]);
        my $at = "$path:$line";
        if ($names{$name}) {
            problem("$at: $name is named twice");
            next;
        }
        problem("$at: $name = $id, which the master lacks") unless $master->{$id};
        problem("$at: $name names id $id, which $by_id{$id} names too") if $by_id{$id};
        $by_id{$id} //= $name;
        $names{$name} = { id => $id, line => $line };
    }
    problem("$path: no enumerator \"kName = number,\"") unless %names;
    for my $id (sort { $a <=> $b } keys %$master) {
        problem("$path: id $id of the master has no name") unless $by_id{$id};
    }
    return %names;
}

sub source_files {
    my @files;
    my @dirs = grep { -d } @_;
    File::Find::find({ no_chdir => 1, wanted => sub { push @files, $_ if -f && /\.(?:cpp|h)\z/ } },
                     @dirs) if @dirs;
    return sort @files;
}

sub same_file {
    my ($a, $b) = @_;
    my @sa = stat $a;
    my @sb = stat $b;
    return @sa && @sb && $sa[0] == $sb[0] && $sa[1] == $sb[1];
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

sub line_of {
    my ($text, $offset) = @_;
    return 1 + (() = substr($text, 0, $offset) =~ /\n/g);
}

# The arguments of the list that opens just before start, split at the commas outside
# parentheses, brackets, braces and literals; undef when the list does not close.
sub arguments {
    my ($masked, $start) = @_;
    my ($depth, $arg, @args) = (0, '');
    for my $i ($start .. length($masked) - 1) {
        my $c = substr($masked, $i, 1);
        if ($c =~ /[(\[{]/) { $depth++ }
        elsif ($c =~ /[)\]}]/) {
            if ($depth == 0) {
                push @args, $arg;
                s/\A\s+|\s+\z//g for @args;
                @args = () if @args == 1 && $args[0] eq '';
                return \@args;
            }
            $depth--;
        } elsif ($c eq ',' && $depth == 0) { push @args, $arg; $arg = ''; next }
        $arg .= $c;
    }
    return undef;
}

sub word_count {
    my @words = @_;
    pop @words while @words && $words[-1] =~ /\A(?:nullptr|NULL|0)\z/;
    return scalar @words;
}

# What an id argument names: the enumerators in it, or the fields of its branches.
sub id_parts {
    my ($expr) = @_;
    my @enumerators = $expr =~ /\bMsg::(k\w+)/g;
    return (\@enumerators, []) if @enumerators;
    my @fields;
    # The branches of a ternary, each a field of a table of ids.
    my @branches = $expr =~ /\?/ ? (split /[?:]/, (split /\?/, $expr, 2)[1]) : ($expr);
    for my $branch (@branches) {
        $branch =~ s/\A\s+|\s+\z//g;
        $branch =~ s/\A\*//;
        push @fields, $1 if $branch =~ /\A\w+(?:(?:\.|->)\w+)*(?:\.|->)(\w+)\z/;
    }
    return ([], \@fields);
}

sub scan_file {
    my ($file) = @_;
    my $code = slurp($file);
    return unless defined $code;
    my $masked = mask_source($code);

    while ($masked =~ /\bMsg::(k\w+)/g) {
        $named{$1} //= "$file:" . line_of($masked, $-[0]);
    }
    while ($masked =~ /(?:\.|\b)(\w+)\s*=(?!=)\s*(?:\w+::)*Msg::(k\w+)/g) {
        push @{ $bindings{$1} }, { name => $2, at => "$file:" . line_of($masked, $-[0]) };
    }
    while ($masked =~ /\b(\w+)\s*\(/g) {
        my ($callee, $start) = ($1, pos($masked));
        my ($id_at, $words_at);
        if ($callee eq 'Fault') { ($id_at, $words_at) = (0, 2) }
        elsif ($callee eq 'MayLeave') { ($id_at, $words_at) = (1, 2) }
        elsif ($callee eq 'FormatMessage' || $callee =~ /\A(?:[Ss]how|[Aa]sk)/) {
            ($id_at, $words_at) = (0, 1);
        } else { next }
        my $args = arguments($masked, $start) or next;
        next unless @$args > $id_at;
        if ($id_at == 0 && $callee ne 'Fault' && @$args > 1 && $args->[0] =~ $owner_pattern) {
            ($id_at, $words_at) = (1, 2);
        }
        my $at = "$file:" . line_of($masked, $start);
        my $id = $args->[$id_at];
        if ($id =~ /\A[0-9]+\z/) {
            problem("$at: $callee names message $id by number");
            next;
        }
        my $words = word_count(@$args[$words_at .. $#$args]);
        my ($enumerators, $fields) = id_parts($id);
        push @{ $shown{$_} }, { words => $words, at => $at } for @$enumerators;
        push @{ $field_shows{$_} }, { words => $words, at => $at } for @$fields;
    }
    while ($masked =~ /\{\s*((?:\w+::)*Msg::(k\w+))\s*([,}])/g) {
        my ($name, $after) = ($2, $3);
        my $at = "$file:" . line_of($masked, $-[0]);
        my $words = 0;
        if ($after eq ',') {
            my $args = arguments($masked, $-[0] + 1) or next;
            next if grep { /\bMsg::/ } @$args[1 .. $#$args];    # a list of ids, not a message
            $words = word_count(@$args[1 .. $#$args]);
        }
        push @{ $shown{$name} }, { words => $words, at => $at };
    }
}

sub check_uses {
    for my $name (sort keys %named) {
        my $entry = $names{$name};
        if (!$entry) {
            problem("$named{$name}: Msg::$name is not named in $ids_path");
            next;
        }
        my $id = $entry->{id};
        my $row = $table{$id} or next;
        if ($row->{use} eq 'unused') {
            problem("$named{$name}: Msg::$name (id $id) is shown, but $table_path:$row->{line}",
                    " lists it unused");
        }
        my @shows = @{ $shown{$name} || [] };
        if (!@shows) {
            problem("$named{$name}: Msg::$name (id $id) is named, but never shown where the",
                    " check can count its words");
            next;
        }
        my %seen;
        for my $show (@shows) {
            next if $seen{"$show->{words} $show->{at}"}++;
            next if grep { $_ == $show->{words} } @{ $row->{counts} };
            problem("$show->{at}: Msg::$name (id $id) is shown with $show->{words} word(s);",
                    " it takes ", join(' or ', @{ $row->{counts} }));
        }
    }
    my %id_named = map { $names{$_}{id} => $_ } grep { $named{$_} } keys %names;
    for my $id (sort { $a <=> $b } keys %table) {
        my $row = $table{$id};
        next if $row->{use} ne 'shown' || $id_named{$id};
        problem("$table_path:$row->{line}: id $id is listed shown, but no code names it",
                " (list it unused, or show it)");
    }
}
